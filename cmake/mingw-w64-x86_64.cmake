# Cross-build of the same sources for 64-bit Windows with Debian's mingw-w64: the Windows tests run
# on it under 64-bit Wine where a machine runs no 32-bit programs. The product is the 32-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: GoogleTest needs std::mutex; -static keeps winpthread inside.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The wine wrapper prefers the 32-bit loader whenever it is installed, even where it cannot run.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
