# How sort10 is compiled and linked, as the target sort10_flags: warnings and
# hardening, each only where the toolchain takes it, and a static link where
# SORT10_STATIC asks for one and one links. These come after the builder's
# CXXFLAGS and LDFLAGS on every line, and keep them.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

add_library(sort10_flags INTERFACE)
target_compile_features(sort10_flags INTERFACE cxx_std_17)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(sort10_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion)
  check_cxx_compiler_flag(-fstack-protector-strong SORT10_HAVE_SSP)
  if(SORT10_HAVE_SSP)
    # (Linked too: mingw-w64 then brings its guard in from libssp.)
    target_compile_options(sort10_flags INTERFACE -fstack-protector-strong)
    target_link_options(sort10_flags INTERFACE -fstack-protector-strong)
  endif()
  # The C library's checks of printf and its kin, at level 3 where the
  # compiler has it, else 2; undefined first, in case the compiler defines a
  # level of its own. Where the builder's flags name a level (Fedora's
  # -Wp,-D_FORTIFY_SOURCE=2, Arch's =3), theirs is kept and none is added, as
  # GCC would pass theirs after ours. Only where the build is optimised, as
  # the checks need: by the build type (Release, RelWithDebInfo, MinSizeRel),
  # or by the builder's own -O, as with the type None. (glibc 2.36 gives
  # clang no checked printf or fprintf, so there it checks none.)
  set(fortify 2)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     OR CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 9)
    set(fortify 3)
  endif()
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  if(CMAKE_CXX_FLAGS MATCHES "(^| )-O([1-3gsz]|fast)?( |$)")
    set(optimised 1)
  endif()
  if(NOT WIN32 AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    target_compile_options(sort10_flags INTERFACE
      "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${fortify}>")
  endif()
elseif(MSVC)
  # (/W4 would call strerror unsafe, and prefer strerror_s.)
  target_compile_options(sort10_flags INTERFACE /W4 /GS)
  target_compile_definitions(sort10_flags INTERFACE _CRT_SECURE_NO_WARNINGS)
endif()

if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  target_link_options(sort10_flags INTERFACE LINKER:-z,relro,-z,now)
endif()
if(MINGW)
  # No DLL beyond the system's own, and no time stamp in the executable.
  target_link_options(sort10_flags INTERFACE -static LINKER:--no-insert-timestamp $<$<CONFIG:Release>:-s>)
  set(link "statically, but for the DLLs of Windows itself")
elseif(NOT SORT10_STATIC)
  set(link "dynamically, as distributions link (-DSORT10_STATIC=ON links a static PIE)")
else()
  # A run of sort10 is mostly start-up, and a static one costs a third of
  # the instructions of a dynamic one.
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(CMAKE_REQUIRED_FLAGS -fPIE)
    check_linker_flag(CXX -static-pie SORT10_HAVE_STATIC_PIE)
    unset(CMAKE_REQUIRED_FLAGS)
  endif()
  if(SORT10_HAVE_STATIC_PIE)
    target_link_options(sort10_flags INTERFACE -static-pie)
    set(static_pie ON)
    set(link "statically, as a static PIE (SORT10_STATIC is ON)")
  else()
    set(link "dynamically: SORT10_STATIC is ON, but -static-pie does not link here (no static C library?)")
  endif()
endif()
message(STATUS "sort10: linking ${link}")
# A position-independent executable, linked as one where the linker can; but
# not beside -static-pie, which the -pie that this adds would override, even
# where an earlier configure of this build checked for it.
if(static_pie)
  unset(CMAKE_CXX_LINK_PIE_SUPPORTED CACHE)
else()
  check_pie_supported()
endif()
