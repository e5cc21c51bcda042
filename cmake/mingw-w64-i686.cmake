# Cross-build for 32-bit Windows with Debian's mingw-w64; tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The posix thread model: GoogleTest needs std::mutex; -static keeps winpthread inside.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# Every double a double, as in the 64-bit builds: the toolchain's default keeps doubles in x87's
# 80-bit registers, so coordinate * 1000 could truncate to another integer than on Linux. Every
# Windows 10 machine has SSE2 (pentium4). With SSE the compiler realigns the stack where it needs
# to, since the viewer calls us with only 4-byte alignment.
set(CMAKE_C_FLAGS_INIT "-march=pentium4 -mtune=generic -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-march=pentium4 -mtune=generic -mfpmath=sse")

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
