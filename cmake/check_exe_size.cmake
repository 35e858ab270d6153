# Fails when a program, stripped as the packages strip it, is larger than a limit. Run as a test:
#   cmake -DPROGRAM=<exe> -DSTRIP=<strip> -DLIMIT=<bytes> -DSCRATCH=<folder> -P check_exe_size.cmake
cmake_minimum_required(VERSION 3.25)
foreach(required PROGRAM STRIP LIMIT SCRATCH)
  if(NOT ${required})
    message(FATAL_ERROR "check_exe_size: PROGRAM, STRIP, LIMIT and SCRATCH are required")
  endif()
endforeach()

# The build's copy keeps its debug sections: strip a copy, in a folder of this test's own.
file(MAKE_DIRECTORY "${SCRATCH}")
cmake_path(GET PROGRAM FILENAME name)
set(stripped "${SCRATCH}/${name}")
execute_process(COMMAND "${STRIP}" -o "${stripped}" "${PROGRAM}" RESULT_VARIABLE status
                ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "check_exe_size: ${STRIP} failed on ${PROGRAM}: ${error}")
endif()
file(SIZE "${stripped}" size)
file(REMOVE "${stripped}")

math(EXPR kib "(${size} + 1023) / 1024")
math(EXPR limit_kib "${LIMIT} / 1024")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${name} stripped is ${size} bytes (${kib} KiB), over its ${limit_kib} KiB")
endif()
message(STATUS "${name} stripped is ${size} bytes (${kib} KiB), within its ${limit_kib} KiB")
