# Options every Quorvex target shares: language level, warnings, strict Qt defines.
add_library(quorvex_options INTERFACE)
target_compile_features(quorvex_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(quorvex_options INTERFACE -Wall -Wextra -Wpedantic)
  if(QUORVEX_WERROR)
    target_compile_options(quorvex_options INTERFACE -Werror)
  endif()
  if(QUORVEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      message(FATAL_ERROR "QUORVEX_FUZZ needs clang and libFuzzer (libclang-rt-14-dev)")
    endif()
    # Coverage for the fuzzer and both sanitizers in every target; the fuzz targets add libFuzzer.
    target_compile_options(quorvex_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quorvex_options INTERFACE -fsanitize=address,undefined)
  elseif(QUORVEX_SANITIZE)
    target_compile_options(quorvex_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quorvex_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

target_compile_definitions(quorvex_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER
  QT_STRICT_ITERATORS
  QT_NO_KEYWORDS
)
if(WIN32)
  target_compile_definitions(quorvex_options INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Quorvex.exe as small as it can be, the C++ library linked in: code optimised for size (a few
  # figures a second and a window need no more speed), each function and datum in a section of
  # its own, and the linker drops every section nothing reaches, the library's unused locale
  # and stream code with the functions of ours that alone referred to it (2.1 to 1.8 MB).
  target_compile_options(quorvex_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:-Os>
                                                   -ffunction-sections -fdata-sections)
  target_link_options(quorvex_options INTERFACE -Wl,--gc-sections)
  # Linked by LLD, the only one of the two linkers whose --gc-sections drops unused functions
  # from a PE program (see the wrapper): 1.80 to 1.47 MB stripped.
  find_program(QUORVEX_LLD NAMES ld.lld REQUIRED)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/mingw-lld-collect2.in ${CMAKE_BINARY_DIR}/mingw-lld/collect2
                 @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                 GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  target_link_options(quorvex_options INTERFACE -B${CMAKE_BINARY_DIR}/mingw-lld/)
endif()

# Test code is built for a short compile, not for fast code: the suites run in seconds either way,
# and the test sources are most of what the three test builds (native, sanitizers, Windows)
# compile. The sanitizer build keeps line tables for its reports.
add_library(quorvex_test_options INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  if(QUORVEX_FUZZ OR QUORVEX_SANITIZE)
    target_compile_options(quorvex_test_options INTERFACE -O0 -g1)
  else()
    target_compile_options(quorvex_test_options INTERFACE -O0 -g0)
  endif()
endif()
