#!/bin/sh
# Drives sort10 as another program would through pipes: it waits for the
# prompt before it types. A prompt left in a buffer hangs this test.
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkfifo "$dir/in" "$dir/out"
"$@" <"$dir/in" >"$dir/out" &
exec 3>"$dir/in" 4<"$dir/out"
IFS= read -r prompt <&4
cr=$(printf '\r')
test "${prompt%"$cr"}" = "please enter an array of 10 integers:"
printf '5 3 9 -2 0 7 7 1 4 8\n' >&3
exec 3>&-
test "$(cat <&4)" = "$(printf '9\t8\t7\t7\t5\t4\t3\t1\t0\t-2\t')"
wait $!
