# Runs sort10 once and checks its exact standard output, its exit status and
# its diagnostics. Called as cmake -D... -P run.cmake with:
#   PROG      the command that runs sort10 (a list: an emulator may come first)
#   INPUT     what is typed, with printf's backslash escapes (\n \t \v \f \0NNN)
#   FEED      instead of INPUT, a shell command whose output is typed
#   REDIRECT  shell redirections for sort10's own streams, such as >/dev/full
#   TTY       if set, standard input is a terminal, and INPUT is typed into it
#   ROOM      if set, standard output is a file with room for the prompt line
#             and ROOM bytes more, and what it holds is the output
#   OUTPUT    the values expected after the prompt, or "nothing" for no output
#   STATUS    the expected exit status
#   STDERR    text the one diagnostic line must contain, or empty for silence
#   CRLF      set where the text streams end lines with CR LF
#   MAXRSS    if set, the most memory sort10 may hold at once, in KiB
#   WRITES    if set, how many writes to standard error there must be: one a
#             line, so that a line is never split
#   PRLIMIT, PYTHON3, TIME (GNU time), STRACE: where those tools are, for
#             ROOM, TTY, MAXRSS and WRITES

if(DEFINED FEED)
  set(feed sh -c "${FEED}")
else()
  set(feed printf "%b" "${INPUT}")
endif()
# Where this run may keep files of its own, apart from other runs at once.
string(RANDOM LENGTH 16 tag)
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/run-${tag}")
if(DEFINED MAXRSS)
  set(rssfile "${scratch}.rss")
  set(PROG ${TIME} -f %M -o ${rssfile} ${PROG})
endif()
if(DEFINED WRITES)
  set(trace "${scratch}.trace")
  set(PROG ${STRACE} -qq -e trace=write -o ${trace} ${PROG})
endif()
set(prompt "please enter an array of 10 integers:\n")
if(DEFINED ROOM)
  string(LENGTH "${prompt}" room)
  if(CRLF)
    math(EXPR room "${room} + 1")
  endif()
  math(EXPR room "${room} + ${ROOM}")
  set(file "${scratch}.out")
  # (Newlines, not semicolons, which would split the list.)
  set(PROG sh -c "trap '' XFSZ\n\"$@\" >'${file}'\ns=$?
    cat '${file}' && rm -f '${file}' && exit $s" sort10 ${PRLIMIT} --fsize=${room} ${PROG})
endif()
if(DEFINED TTY)
  set(PROG ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/terminal.py ${PROG})
endif()
if(DEFINED REDIRECT)
  set(PROG sh -c "exec \"$@\" ${REDIRECT}" sort10 ${PROG})
endif()

execute_process(COMMAND ${feed} COMMAND ${PROG}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULTS_VARIABLE results)
list(GET results -1 status)
if(CRLF)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
endif()

set(want "")
if(NOT OUTPUT STREQUAL "nothing")
  set(want "${prompt}")
  separate_arguments(values UNIX_COMMAND "${OUTPUT}")
  foreach(v IN LISTS values)
    string(APPEND want "${v}\t")
  endforeach()
endif()

function(show var text)
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

set(faults "")
if(NOT out STREQUAL want)
  show(o "${out}")
  show(w "${want}")
  string(APPEND faults "stdout: got '${o}'\n        want '${w}'\n")
endif()
if(NOT status STREQUAL STATUS)
  string(APPEND faults "exit status: got ${status}, want ${STATUS}\n")
endif()
if(STDERR STREQUAL "" AND NOT err STREQUAL "")
  string(APPEND faults "stderr: got '${err}', want nothing\n")
elseif(NOT STDERR STREQUAL "")
  string(FIND "${err}" "${STDERR}" at)
  if(at EQUAL -1 OR NOT err MATCHES "^sort10: [^\n]*\n$")
    string(APPEND faults "stderr: got '${err}'\n        want one line 'sort10: ...${STDERR}...'\n")
  endif()
endif()
if(DEFINED MAXRSS)
  file(STRINGS ${rssfile} rss REGEX "^[0-9]+$")
  file(REMOVE ${rssfile})
  if(NOT rss OR rss GREATER MAXRSS)
    string(APPEND faults "peak memory: got '${rss}' KiB, want at most ${MAXRSS} KiB\n")
  endif()
endif()
if(DEFINED WRITES)
  file(STRINGS ${trace} writes REGEX "^write\\(2, ")
  file(REMOVE ${trace})
  list(LENGTH writes n)
  if(NOT n EQUAL WRITES)
    string(APPEND faults "writes to stderr: got ${n}, want ${WRITES}\n")
  endif()
endif()
if(NOT faults STREQUAL "")
  message(FATAL_ERROR "\n${faults}")
endif()
