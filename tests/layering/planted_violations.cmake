cmake_minimum_required(VERSION 3.20)
# Plants one forbidden include at a time in a scratch tree and runs the folder check on it: each
# must fail and name the planted file; a tree of allowed includes must pass.
# Run as: cmake -DCHECK=<check_folder_order.cmake> -DWORK=<scratch folder> -P planted_violations.cmake

# file|line|what the check must report
set(cases
  "src/tuning/planted.cpp|#include <shell/shell.h>|src/tuning/planted.cpp .src/tuning. may not include shell"
  "src/platform/planted.cpp|#include \"../app/form1.h\"|src/platform/planted.cpp .src/platform. may not include app"
  "src/app/planted.cpp|#include \"win32/wnd.h\"|src/app/planted.cpp .src/app. may not include win32"
  "src/win32/planted.cpp|#include \"app/form1.h\"|src/win32/planted.cpp .src/win32. may not include app"
  "src/controls/planted.cpp|#include \"monitor/meter_sinks.h\"|src/controls/planted.cpp .src/controls. may not include monitor"
  "tests/controls/planted_test.cpp|#include \"app/controls/qt_surface.h\"|tests/controls/planted_test.cpp .tests. may not include app"
  "tests/win32/planted_test.cpp|#include <app/form1.h>|tests/win32/planted_test.cpp .tests/win32. may not include app"
  "bench/planted_bench.cpp|#include \"win32/wnd.h\"|bench/planted_bench.cpp .bench. may not include win32"
  "tools/gallery/planted.cpp|#include \"win32/wnd.h\"|tools/gallery/planted.cpp .tools/gallery. may not include win32"
  "src/newfolder/planted.cpp|#include <vector>|src/newfolder/planted.cpp: its folder has no entry"
)
set(allowed_lines
  "src/tuning/fine.cpp|#include \"platform/clock.h\""
  "src/shell/fine.cpp|#include \"../monitor/meter_sinks.h\""
  "tests/app/fine_test.cpp|#include <app/form1.h>"
  "src/app/fine.cpp|#include <QWidget>"
)
set(src_folders artwork platform tuning settings browser model commands undo controls monitor shell app
    win32)

function(plant root)
  file(REMOVE_RECURSE "${root}")
  foreach(folder IN LISTS src_folders)
    file(MAKE_DIRECTORY "${root}/src/${folder}")
  endforeach()
endfunction()

function(write_line root entry)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 file)
  list(GET parts 1 line)
  file(WRITE "${root}/${file}" "${line}\n")
endfunction()

function(run_check root out_result out_output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_ROOT=${root} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${out_result} "${result}" PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

set(failures "")
set(n 0)
foreach(entry IN LISTS cases)
  math(EXPR n "${n} + 1")
  set(root "${WORK}/case${n}")
  plant("${root}")
  foreach(fine IN LISTS allowed_lines)
    write_line("${root}" "${fine}")
  endforeach()
  write_line("${root}" "${entry}")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 2 expected)
  run_check("${root}" result output)
  if(result EQUAL 0)
    list(APPEND failures "passed although planted: ${entry}")
  elseif(NOT output MATCHES "${expected}")
    list(APPEND failures "failed without naming it: ${entry}\n${output}")
  else()
    message(STATUS "refused as it should: ${expected}")
  endif()
endforeach()

set(root "${WORK}/allowed")
plant("${root}")
foreach(fine IN LISTS allowed_lines)
  write_line("${root}" "${fine}")
endforeach()
run_check("${root}" result output)
if(NOT result EQUAL 0)
  list(APPEND failures "refused a tree of allowed includes:\n${output}")
endif()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${report}")
endif()
