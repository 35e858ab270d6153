# The hardening of Debian's release builds (dpkg-buildflags with hardening=+all: stack
# protector, format checks, fortified C library calls, read-only relocations bound at start, a
# position-independent program), for every native build that is not instrumented, so that the
# package the test command makes from build/ carries the same as a release.
option(QUORVEX_HARDENING "Build with Debian's release hardening flags" ON)
if(QUORVEX_HARDENING AND NOT WIN32 AND NOT QUORVEX_SANITIZE AND NOT QUORVEX_FUZZ)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # The fortified calls need an optimizing build.
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()
