#!/bin/sh
# Runs sort10.exe in a console window of wine's on a virtual screen, and types
# into it as a person would: a window sort10 has to itself waits for a key
# after the values, one it shares with cmd.exe closes at once.
#   console.sh WINE EXE [SHOT]
# WINE: the wine that runs EXE (wine, or wine64 for a 64-bit EXE); SHOT:
# where to save a picture of the held window, with xwd and ImageMagick.
# WINEPREFIX, where set, is the wine prefix to use; else it makes one of its
# own, and removes it.
set -eu
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: sh tests/console.sh WINE EXE [SHOT]" >&2
  exit 2
fi
wine=$1 exe=$2 shot=${3:-}
. "$(dirname "$0")/../scripts/need"
need install-windows-tools Xvfb:xvfb xdotool "$wine:wine" wineserver:wine
need install-deps setarch:util-linux
needed
# Every wine here starts with its address space laid out the same each time,
# as in the other cases (tests/runs-here.cmake says why).
winerun() { setarch -R "$wine" "$@"; }
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

# Whatever happens, no process and no folder is left behind.
dir=$(mktemp -d) xvfb=''
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; } || true
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

# poll COMMAND...: runs COMMAND every tenth of a second until it succeeds,
# for two minutes at most: each wait here is for a thing itself, never for
# a time, and this bound only turns a hang into a failure.
poll() {
  n=1200
  until "$@"; do
    n=$((n - 1))
    [ "$n" -gt 0 ] || return 1
    sleep 0.1
  done
}
window() { w=$(xdotool search --onlyvisible --name . 2>/dev/null | head -n 1) && [ -n "$w" ]; }
# wineconsole has ended, with the program it ran.
over() { [ -s "$dir/status" ]; }
# The program has ended and its window is gone.
ended() { over && ! window; }
# The program waits for a key: wine's console has emptied its input, as
# sort10 has it do just before it waits, and then holds a read that nothing
# has answered.
waits() { awk '/console_input_ioctl flush/ { f = 1 } f && /pending read/ { w = 1 } END { exit !w }' "$dir/trace"; }
# What became of wineconsole, for a failure to say.
seen() {
  if over; then echo "wineconsole ended with status $(cat "$dir/status")"; else echo "wineconsole still runs"; fi
}

Xvfb -displayfd 3 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
# Xvfb has said which display it took, or has ended.
up() { [ -s "$dir/display" ] || ! kill -0 "$xvfb" 2>/dev/null; }
poll up
[ -s "$dir/display" ] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$dir/display")"
# One wine server, up before the first run (and, the first time, the prefix
# made) until the last: Debian's stops as soon as its last program ends, so
# each run would otherwise start one of its own, and stop it.
export WINEPREFIX="${WINEPREFIX:-$dir/wine}"
mkdir -p "$WINEPREFIX"
wineserver -p
winerun cmd /c exit </dev/null >/dev/null 2>&1 || { echo "$wine did not start"; exit 1; }

# run NAME TEXT KEYS HELD STATUS COMMAND...: types TEXT, then KEYS, into the
# window COMMAND opens; HELD says if it must wait for a key, STATUS is the
# exit status expected. wine's console traces what it does to $dir/trace.
run() {
  name=$1 text=$2 keys=$3 held=$4 status=$5
  shift 5
  rm -f "$dir/status"
  { WINEDEBUG=-all,trace+console winerun wineconsole "$@" >/dev/null 2>"$dir/trace" &&
    echo 0 || echo $?; } >"$dir/status" &
  shown() { window || over; }
  poll shown && window || { echo "$name: no window; $(seen)"; return 1; }
  # A window may be gone before the last key is let go, which xdotool calls
  # an error: what counts is whether it stays, and the exit status.
  xdotool type --window "$w" "$text" 2>/dev/null || true
  xdotool key --window "$w" $keys 2>/dev/null || true
  if [ "$held" = held ]; then
    holds() { waits || over; }
    poll holds && ! over || { echo "$name: no wait for a key; $(seen)"; return 1; }
    [ -z "$shot" ] || { xwd -id "$w" | /usr/bin/convert xwd:- -strip "$shot"; shot=; }
    xdotool key --window "$w" space 2>/dev/null || true
  fi
  poll ended || { echo "$name: the window is still open; $(seen)"; return 1; }
  [ "$(cat "$dir/status")" = "$status" ] ||
    { echo "$name: exit status $(cat "$dir/status"), want $status"; return 1; }
  echo "$name: ok"
}

run own   "5 3 9 -2 0 7 7 1 4 8" Return        held 0 "$exe"
run short "5 3 9"                "ctrl+z Return" held 1 "$exe"
run shell "5 3 9 -2 0 7 7 1 4 8" Return        free 0 cmd /c "$exe"
