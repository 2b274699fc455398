# 32-bit x86 Linux (Debian's i386), with Debian's g++-i686-linux-gnu; an
# x86-64 kernel may run the programs it builds as they are, and where it runs
# no 32-bit code, they run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
set(triple i686-linux-gnu)
set(installer scripts/install-cross-tools)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static -L /usr/${triple})
set(native_maybe ON)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
