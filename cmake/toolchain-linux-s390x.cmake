# Big-endian 64-bit IBM Z Linux (Debian's s390x), with Debian's
# g++-s390x-linux-gnu; the programs it builds run here under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE s390x)
set(triple s390x-linux-gnu)
set(installer scripts/install-cross-tools)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x-static -L /usr/${triple})
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
