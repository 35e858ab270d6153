# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model), run under Wine.
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVEX_MINGW_TRIPLET x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${QUORVEX_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUORVEX_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUORVEX_MINGW_TRIPLET}-windres)
find_program(CMAKE_AR NAMES ${QUORVEX_MINGW_TRIPLET}-gcc-ar-posix ${QUORVEX_MINGW_TRIPLET}-ar)
find_program(CMAKE_RANLIB NAMES ${QUORVEX_MINGW_TRIPLET}-gcc-ranlib-posix ${QUORVEX_MINGW_TRIPLET}-ranlib)

# Headers and libraries come from the mingw-w64 sysroot only; programs from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static executables: libgcc, libstdc++ and winpthread are linked in, so an .exe runs
# under Wine (or on a bare Windows) without any of the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the Windows test executables through Wine, headless, and never in ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
