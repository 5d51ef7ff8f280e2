# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (x86_64-w64-mingw32).
#
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DROTWALK_WINDOWS_PREFIX="$(scripts/build-windows-deps.sh)" ...
#
# ROTWALK_WINDOWS_PREFIX (a cache variable, or the environment variable of that
# name) is the folder scripts/build-windows-deps.sh builds SDL, SDL_mixer, zlib,
# LodePNG and GoogleTest into; the script itself builds with this file and no prefix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model, named outright rather than through the alternatives'
# default (win32): GCC 12's win32 model has no std::mutex, std::condition_variable
# nor std::thread, and GoogleTest needs the first two on Windows. Its libstdc++
# runs on winpthread, which the -static below links into each program.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Programs carry their C and C++ runtime and winpthread: nothing but Windows' own
# DLLs beside the exe. -static also makes the -lpthread that FindThreads may add
# (SDL's find module asks for threads) the static winpthread.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

if(NOT ROTWALK_WINDOWS_PREFIX AND DEFINED ENV{ROTWALK_WINDOWS_PREFIX})
  set(ROTWALK_WINDOWS_PREFIX "$ENV{ROTWALK_WINDOWS_PREFIX}")
endif()
set(ROTWALK_WINDOWS_PREFIX "${ROTWALK_WINDOWS_PREFIX}" CACHE PATH
  "Folder of the Windows libraries built by scripts/build-windows-deps.sh")
# try_compile's projects read this file again: they need the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROTWALK_WINDOWS_PREFIX)

# Headers, libraries and CMake packages come from the MinGW-w64 runtime and the
# prefix only, never from the build machine's /usr; programs (wine, pkg-config)
# are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(ROTWALK_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${ROTWALK_WINDOWS_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the prefix's .pc files and none of the build machine's.
if(ROTWALK_WINDOWS_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${ROTWALK_WINDOWS_PREFIX}/lib/pkgconfig")
else()
  set(ENV{PKG_CONFIG_LIBDIR} "/usr/x86_64-w64-mingw32/lib/pkgconfig")
endif()
set(ENV{PKG_CONFIG_PATH} "")

# Wine runs what the build runs (gtest_discover_tests' listing, ctest) when it is
# installed; without it the build still cross-compiles.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(ROTWALK_WINE NAMES wine wine64)
  if(ROTWALK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ROTWALK_WINE}")
  endif()
endif()
