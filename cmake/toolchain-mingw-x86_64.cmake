# 64-bit Windows, with Debian's mingw-w64 (g++-mingw-w64-x86-64), which links
# msvcrt.dll as the 32-bit build does; the programs it builds run here under
# wine64, also where the kernel runs no 32-bit code. (Debian keeps wine64 off
# PATH, in /usr/lib/wine.)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(triple x86_64-w64-mingw32)
set(installer scripts/install-windows-tools)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_CROSSCOMPILING_EMULATOR wine64)
set(emulator_paths /usr/lib/wine)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
