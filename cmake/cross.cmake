# The part every toolchain file here shares. Each sets triple, the GNU triple
# of its cross compiler, and installer, the script that installs it and
# whatever runs its programs here (CMAKE_CROSSCOMPILING_EMULATOR).
find_program(SORT10_CROSS_CXX ${triple}-g++)
if(NOT SORT10_CROSS_CXX)
  message(FATAL_ERROR "${triple}-g++ is missing: install it with: sudo ${installer}")
endif()
set(CMAKE_CXX_COMPILER ${SORT10_CROSS_CXX})

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
