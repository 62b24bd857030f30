# Cross-build for 64-bit Windows with Debian's mingw-w64 (POSIX threads variant).
# Used by `make test-windows`; the programs then run under Wine (see scripts/wine-run.sh).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)

# Self-contained .exe files: no MinGW runtime DLLs to find at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
