# 32-bit Windows, with Debian's mingw-w64 (g++-mingw-w64-i686); the programs
# it builds run here under wine, with wine32, where the kernel runs 32-bit code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(triple i686-w64-mingw32)
set(installer scripts/install-windows-tools)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(unrunnable "Install wine32 with: sudo ${installer}. Where it cannot be had, or the kernel runs no 32-bit x86 code, test the 64-bit build with the windows-x64 preset.")
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
