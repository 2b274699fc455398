# 64-bit Arm Linux (Debian's arm64), with Debian's g++-aarch64-linux-gnu; the
# programs it builds run here under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
set(triple aarch64-linux-gnu)
set(installer scripts/install-cross-tools)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L /usr/${triple})
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
