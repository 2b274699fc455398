# Read by cpack once for each kind of package. The .deb takes Debian's
# copyright and changelog, and lintian's overrides, in place of LICENSE.
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build)
  set(CPACK_INSTALL_CMAKE_PROJECTS ${build} sort10 Unspecified / ${build} sort10 deb /)
endif()
