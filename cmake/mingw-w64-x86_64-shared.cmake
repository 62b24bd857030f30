# Cross-build for 64-bit Windows with Debian's mingw-w64 (POSIX threads variant), the compiler's
# runtime left in its DLLs: Qt for Windows (scripts/build-qt-windows.sh) and every program that
# links Qt's DLLs must share one C++ runtime, or exceptions and allocations cross between two.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries built for Windows outside the mingw-w64 root (Qt, in its cache folder) are given in
# CMAKE_PREFIX_PATH; each is a root of its own, or the searches below would never look there.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
