cmake_minimum_required(VERSION 3.20)

# Which folders each folder may include, written out one folder at a time. "core" stands for every
# folder of quorvex_core; a folder may always include itself. Nothing else is allowed, so that a new
# dependency is a visible change to this list. The README's description of the layers is generated
# from it (see README_FILE below).
set(QUORVEX_CORE_FOLDERS
  artwork platform tuning settings browser model commands undo cli controls monitor shell)
set(QUORVEX_ALLOWED_INCLUDES
  "src/artwork:"
  "src/platform:"
  "src/tuning: platform"
  "src/settings: platform tuning"
  "src/browser: platform"
  "src/model: platform tuning controls"
  "src/commands: platform tuning settings browser model"
  "src/undo: platform tuning settings browser model commands"
  # The commands without a window, over the commands and the undo records.
  "src/cli: platform tuning settings browser model commands undo"
  "src/controls: platform"
  "src/monitor: platform model"
  "src/shell: platform tuning settings browser model commands undo controls monitor"
  # The two front ends build on the whole core and never on each other.
  "src/app: core"
  "src/win32: core"
  # Core tests also run as Windows programs: no front end.
  "tests: core"
  "tests/app: core app"
  "tests/win32: core win32"
  "bench: core app"
  "tools: core"
  "tools/gallery: core app"
)

# Fails, naming every offending line, when a file includes a folder its entry does not allow.
# Run as: cmake -DSOURCE_ROOT=<repository> -P check_folder_order.cmake
# With -DREADME_FILE=<README.md> it instead checks that the README's block between the markers
# below says what the list says; -DPRINT_README=ON prints that block.
set(readme_begin "<!-- folder layers: generated from cmake/check_folder_order.cmake -->")
set(readme_end "<!-- end of folder layers -->")

# The entry that governs a file: the longest entry that is a prefix of its folder.
function(quorvex_entry_of path out)
  set(best "")
  foreach(entry IN LISTS QUORVEX_ALLOWED_INCLUDES)
    string(REGEX REPLACE ":.*" "" key "${entry}")
    string(LENGTH "${key}" key_length)
    string(LENGTH "${best}" best_length)
    if(path MATCHES "^${key}/" AND key_length GREATER best_length)
      set(best "${key}")
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

function(quorvex_allowed_of key out)
  set(allowed "")
  foreach(entry IN LISTS QUORVEX_ALLOWED_INCLUDES)
    string(REGEX REPLACE ":.*" "" entry_key "${entry}")
    if(entry_key STREQUAL key)
      string(REGEX REPLACE "^[^:]*:[ ]*" "" names "${entry}")
      string(REPLACE " " ";" names "${names}")
      foreach(name IN LISTS names)
        if(name STREQUAL "core")
          list(APPEND allowed ${QUORVEX_CORE_FOLDERS})
        elseif(NOT name STREQUAL "")
          list(APPEND allowed ${name})
        endif()
      endforeach()
    endif()
  endforeach()
  if(key MATCHES "^src/(.*)")
    list(APPEND allowed ${CMAKE_MATCH_1})
  endif()
  set(${out} "${allowed}" PARENT_SCOPE)
endfunction()

if(PRINT_README OR README_FILE)
  set(lines "${readme_begin}")
  foreach(entry IN LISTS QUORVEX_ALLOWED_INCLUDES)
    string(REGEX REPLACE ":.*" "" key "${entry}")
    string(REGEX REPLACE "^[^:]*:[ ]*" "" names "${entry}")
    string(REPLACE " " ";" names "${names}")
    set(shown "")
    foreach(name IN LISTS names)
      if(name STREQUAL "core")
        list(APPEND shown "the whole core")
      elseif(NOT name STREQUAL "")
        list(APPEND shown "`${name}`")
      endif()
    endforeach()
    list(JOIN shown ", " shown)
    if(shown STREQUAL "")
      set(shown "no other folder")
    endif()
    list(APPEND lines "- `${key}` may include ${shown}")
  endforeach()
  list(APPEND lines "${readme_end}")
  list(JOIN lines "\n" block)
  if(PRINT_README)
    message("${block}")
    return()
  endif()
  file(READ "${README_FILE}" readme)
  string(FIND "${readme}" "${readme_begin}" begin)
  string(FIND "${readme}" "${readme_end}" end)
  if(begin LESS 0 OR end LESS begin)
    message(FATAL_ERROR "${README_FILE} has no block of folder layers between\n"
                        "${readme_begin}\nand ${readme_end}")
  endif()
  string(LENGTH "${readme_end}" end_length)
  math(EXPR length "${end} + ${end_length} - ${begin}")
  string(SUBSTRING "${readme}" ${begin} ${length} written)
  if(NOT written STREQUAL block)
    message(FATAL_ERROR "The README's folder layers differ from cmake/check_folder_order.cmake; "
                        "they should read:\n${block}")
  endif()
  return()
endif()

set(src_folders "")
file(GLOB children RELATIVE "${SOURCE_ROOT}/src" "${SOURCE_ROOT}/src/*")
foreach(child IN LISTS children)
  if(IS_DIRECTORY "${SOURCE_ROOT}/src/${child}")
    list(APPEND src_folders ${child})
  endif()
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_ROOT}"
     "${SOURCE_ROOT}/src/*.h" "${SOURCE_ROOT}/src/*.cpp"
     "${SOURCE_ROOT}/tests/*.h" "${SOURCE_ROOT}/tests/*.cpp"
     "${SOURCE_ROOT}/bench/*.h" "${SOURCE_ROOT}/bench/*.cpp"
     "${SOURCE_ROOT}/tools/*.h" "${SOURCE_ROOT}/tools/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  quorvex_entry_of("${source}" key)
  if(key STREQUAL "")
    list(APPEND faults "${source}: its folder has no entry in QUORVEX_ALLOWED_INCLUDES")
    continue()
  endif()
  quorvex_allowed_of("${key}" allowed)
  get_filename_component(dir "${source}" DIRECTORY)
  file(STRINGS "${SOURCE_ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" path "${line}")
    set(target "")
    if(path MATCHES "^\\.\\./")
      # Relative to the file: resolve, then name the folder of src/ it lands in.
      get_filename_component(resolved "${SOURCE_ROOT}/${dir}/${path}" ABSOLUTE)
      file(RELATIVE_PATH resolved "${SOURCE_ROOT}" "${resolved}")
      if(resolved MATCHES "^src/([^/]+)/")
        set(target "${CMAKE_MATCH_1}")
      elseif(NOT resolved MATCHES "^${key}/")
        list(APPEND faults "${source} reaches outside its folder: ${line}")
        continue()
      endif()
    elseif(path MATCHES "^([^/]+)/")
      set(target "${CMAKE_MATCH_1}")
    endif()
    if(target STREQUAL "" OR NOT target IN_LIST src_folders)
      continue()
    endif()
    if(NOT target IN_LIST allowed)
      list(APPEND faults "${source} (${key}) may not include ${target}: ${line}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Includes outside the allowed folders:\n${report}")
endif()
