# How the tests run the programs built here: as they are, or under the
# toolchain's CMAKE_CROSSCOMPILING_EMULATOR, found on PATH or in the
# toolchain's emulator_paths. Sets emulator to the command that goes before
# the program (empty where it runs as it is; setarch -R, then wine, for a
# Windows program), and wine_env to the environment of every wine that runs
# here.
#
# The answer comes from running a program linked as sort10 is, at the first
# configure, and is kept as SORT10_RUNS: "natively" or "emulated" (give
# -DSORT10_RUNS=... to force one). A toolchain that names no emulator, or
# sets native_maybe for a target this host may or may not run (i386 on
# x86-64), is tried natively first. A build whose programs run neither way
# stops here, saying why.
set(emulator "")
set(wine_env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
set(cannot "sort10: this host cannot run the programs built here")
set(name "")
set(env "")
set(launch "")
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(native_maybe ON)
  set(missing "${cannot}, and the toolchain names no CMAKE_CROSSCOMPILING_EMULATOR: configure with -DBUILD_TESTING=OFF")
else()
  set(args ${CMAKE_CROSSCOMPILING_EMULATOR})
  list(POP_FRONT args name)
  find_program(SORT10_EMULATOR ${name} PATHS ${emulator_paths} NO_CMAKE_SYSTEM_PATH)
  set(install "install it with: sudo ${installer} (or configure with -DBUILD_TESTING=OFF)")
  set(missing "${cannot}, and ${name}, which would, is missing: ${install}")
endif()
if(name MATCHES "wine")
  # The tests start wine's server, and stop it, with this.
  find_program(SORT10_WINESERVER wineserver NO_CMAKE_SYSTEM_PATH)
  if(NOT SORT10_WINESERVER)
    message(FATAL_ERROR "sort10: the tests need wineserver, which is missing: ${install}")
  endif()
  # Every wine here starts with its address space laid out the same each
  # time (setarch -R). Where it is random, the kernel puts the heap of wine's
  # loader anywhere in some hundreds of MiB around 2 GiB; about one start in
  # two thousand it covers the page wine then maps at 0x7ffe0000 ("failed to
  # map the shared user data"), and wine exits with status 1 before the
  # program runs.
  find_program(SORT10_SETARCH setarch NO_CMAKE_SYSTEM_PATH)
  if(NOT SORT10_SETARCH)
    message(FATAL_ERROR "sort10: the tests need setarch, which is missing: install it with: sudo scripts/install-deps")
  endif()
  set(launch ${SORT10_SETARCH} -R)
  # (WINEDEBUG left empty, so that wine says why it fails.)
  set(env ${CMAKE_COMMAND} -E env ${wine_env} WINEDEBUG=)
endif()

# fails(VAR COMMAND...): runs COMMAND, the probe, and sets VAR to why it
# failed (its first line of output, else its status), or to empty where it
# did not. The probe exits 42: a wine that cannot load a 32-bit program, for
# want of wine32, exits 0.
function(fails var)
  set(log ${CMAKE_BINARY_DIR}/CMakeFiles/runs-here.log)
  # (A file, not a pipe, which wine's helpers would hold open after it ends.)
  execute_process(COMMAND ${ARGN} INPUT_FILE /dev/null OUTPUT_FILE ${log} ERROR_FILE ${log}
    RESULT_VARIABLE status)
  file(STRINGS ${log} said REGEX .)
  list(FILTER said EXCLUDE REGEX "^wine: created the configuration directory")
  if(status EQUAL 42)
    set(said "")
  elseif(NOT said)
    set(said "exit status ${status}") # (or the system's reason it could not start)
  endif()
  list(POP_FRONT said first)
  set(${var} "${first}" PARENT_SCOPE)
endfunction()

# The probe is linked as sort10 is: statically, or to the C library and its
# loader. An answer found for the other link is found anew.
set(static "")
if(static_pie OR MINGW)
  set(static -static)
endif()
if(DEFINED SORT10_RUNS_LINK AND NOT SORT10_RUNS_LINK STREQUAL "${static}")
  unset(SORT10_RUNS CACHE)
endif()
set(SORT10_RUNS_LINK "${static}" CACHE INTERNAL "how the probe was linked")

if(NOT DEFINED SORT10_RUNS)
  set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/probe${CMAKE_EXECUTABLE_SUFFIX})
  try_compile(built SOURCE_FROM_CONTENT probe.cpp "int main() { return 42; }\n"
    LINK_OPTIONS ${static} COPY_FILE ${probe} NO_CACHE)
  if(NOT built)
    message(FATAL_ERROR "sort10: a program that only exits does not link here")
  endif()
  if(native_maybe)
    fails(natively ${probe})
  endif()
  if(native_maybe AND NOT natively)
    set(runs natively)
  elseif(NOT SORT10_EMULATOR)
    message(FATAL_ERROR "${missing}")
  else()
    if(native_maybe)
      message(STATUS "sort10: this host does not run the programs built here as they are")
    endif()
    fails(emulated ${env} ${launch} ${SORT10_EMULATOR} ${args} ${probe})
    if(env) # (else its server would still run as the tests start theirs)
      execute_process(COMMAND ${env} ${SORT10_WINESERVER} -k OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(emulated)
      message(FATAL_ERROR "${cannot}, even under ${name} (\"${emulated}\"). ${unrunnable}")
    endif()
    set(runs emulated)
  endif()
  set(SORT10_RUNS ${runs} CACHE STRING "How the tests run the programs built here: natively or emulated")
endif()

if(SORT10_RUNS STREQUAL "natively")
  message(STATUS "sort10: the tests run the programs built here as they are (SORT10_RUNS)")
elseif(NOT SORT10_EMULATOR)
  message(FATAL_ERROR "${missing}")
else()
  set(emulator ${launch} ${SORT10_EMULATOR} ${args})
  message(STATUS "sort10: the tests run the programs built here under ${name} (SORT10_RUNS)")
endif()
