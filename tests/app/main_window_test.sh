#!/usr/bin/env bash
# main_window_test.sh WINE64 PROGRAM CLOSER TITLE: start PROGRAM, wait for its window TITLE, close it and
# expect the program to end with exit code 0 within 30 seconds.
set -u
wine=$1 program=$2 closer=$3 title=$4
"$wine" "$program" >/dev/null 2>&1 </dev/null &
pid=$!
"$wine" "$closer" "$title" || { kill "$pid" 2>/dev/null; exit 1; }
for _ in $(seq 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        rc=$?
        [ "$rc" -eq 0 ] || echo "the program ended with exit code $rc"
        exit "$rc"
    fi
    sleep 0.1
done
echo "the program did not end after its window was closed"
kill "$pid" 2>/dev/null
exit 1
