# The folders of src/ from the bottom up: a file may include its own folder and the folders
# below it, never one above. Folders in one entry (a|b) share a level.
# This list is the one place where the order is written.
set(QUORVEX_FOLDER_ORDER
  # Pictures of the program (the QOI codec), needed by no rule.
  artwork
  platform
  tuning
  settings
  browser
  model
  commands
  undo
  # The commands without a window, over the commands and the undo records.
  cli
  controls
  monitor
  shell
  "app|win32"
)

# Fails, naming every offending line, when a file includes a folder above its own.
# Run as: cmake -DSOURCE_DIR=<repository>/src -P check_folder_order.cmake
set(level 0)
foreach(entry IN LISTS QUORVEX_FOLDER_ORDER)
  string(REPLACE "|" ";" folders "${entry}")
  foreach(folder IN LISTS folders)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED level_of_${folder})
    list(APPEND faults "${source}: folder ${folder} has no place in QUORVEX_FOLDER_ORDER")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^/\"]+)/.*" "\\1" target "${line}")
    if(NOT DEFINED level_of_${target})
      continue()
    endif()
    if(level_of_${target} GREATER level_of_${folder})
      list(APPEND faults "${source} includes the higher folder ${target}: ${line}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Folders must include downwards only:\n${report}")
endif()
