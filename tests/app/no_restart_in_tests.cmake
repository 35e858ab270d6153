# Fails when a test executable contains the real restart request: only the program may link it.
# Run as: cmake -DNM=<nm> -DEXECUTABLES=<a;b> -P no_restart_in_tests.cmake
foreach(executable IN LISTS EXECUTABLES)
  execute_process(COMMAND ${NM} -C ${executable} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not list the symbols of ${executable}")
  endif()
  string(FIND "${symbols}" "requestSystemReboot" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "${executable} links the real restart request")
  endif()
endforeach()
