#!/usr/bin/env bash
# wine_start_tests.sh ROOT WORK: the start of the wine tests, in the folder WORK.
# - The launcher (tools/wine-test) passes a program's output and exit status on, and says why when wine
#   ended without starting the program (a stand-in for wine).
# - The persistent wineserver holds the prefix before any wine program runs, also when it is slow to
#   start (a wineserver command that waits before starting it): a program that found no server would
#   start one of its own, which persists for no time, and the persistent one could not start. Also when
#   it is started again just after the one before ended.
set -u
root=$1 work=$2
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
mkdir -p "$work"

# ---- the launcher ----------------------------------------------------------------------------------------
fake=$work/fake-wine
cat >"$fake" <<'FAKE'
#!/bin/sh
# a stand-in for wine: prints $FAKE_OUTPUT (when set) and ends with $FAKE_STATUS
[ -n "${FAKE_OUTPUT:-}" ] && echo "$FAKE_OUTPUT"
exit "$FAKE_STATUS"
FAKE
chmod +x "$fake"
mkdir -p "$work/fake-prefix"
: >"$work/fake-prefix/system.reg"
# each case: prefix, output, status; the launcher's status and whether it reports a failed start
while IFS='|' read -r prefix output status expect_status expect_report; do
    actual=$(WINEPREFIX=$prefix FAKE_OUTPUT=$output FAKE_STATUS=$status \
        "$root/tools/wine-test" "$fake" "$work/program.exe.so" 2>&1)
    actual_status=$?
    case_name="prefix '$prefix', output '$output', status $status"
    [ "$actual_status" = "$expect_status" ] || fail "$case_name: status $actual_status, not $expect_status"
    case $expect_report in
    start) grep -q "program.exe.so: wine ended with status $status after .* without starting the program" <<<"$actual" ||
        fail "$case_name: no report of a failed start in: $actual" ;;
    prefix) grep -q "program.exe.so: cannot start: no Wine prefix" <<<"$actual" ||
        fail "$case_name: no report of the missing prefix in: $actual" ;;
    none) grep -q "^ondrix:" <<<"$actual" && fail "$case_name: a report for a program that started: $actual" ;;
    esac
    [ -z "$output" ] || grep -qxF -- "$output" <<<"$actual" || fail "$case_name: its output was not passed on: $actual"
done <<CASES
$work/fake-prefix||1|1|start
$work/fake-prefix||139|139|start
$work/fake-prefix|[==========] Running 2 tests|1|1|none
$work/fake-prefix||0|0|none
$work/no-prefix||0|1|prefix
CASES

# ---- the persistent wineserver ---------------------------------------------------------------------------
shim=$work/slow-server
mkdir -p "$shim"
cat >"$shim/wineserver" <<'SHIM'
#!/bin/sh
# the wineserver command, with a persistent server that is slow to start
case " $* " in *" -f -p "*) sleep 2 ;; esac
exec /usr/lib/wine/wineserver "$@"
SHIM
chmod +x "$shim/wineserver"
(
    . "$root/tools/common.sh"
    PATH=$shim:$PATH
    trap 'ondrix_stop' EXIT
    ondrix_prefix "$work/prefix" test
    ondrix_wineserver
    kill -0 "$WINESERVER_PID" 2>/dev/null || { echo "the persistent wineserver ended"; exit 1; }
    grep -q "^[0-9]*: POSIX *ADVISORY *WRITE $WINESERVER_PID " /proc/locks ||
        { echo "the persistent wineserver does not hold the prefix"; exit 1; }
    # a program started now is served by it
    wine64 cmd /c exit 0 >/dev/null 2>&1 </dev/null || { echo "a program did not run"; exit 1; }
    grep -q "^[0-9]*: POSIX *ADVISORY *WRITE $WINESERVER_PID " /proc/locks ||
        { echo "the persistent wineserver lost the prefix to another"; exit 1; }
) || fail "the persistent wineserver did not serve the prefix from the start"

# ---- started again at once ------------------------------------------------------------------------------
# a server started just after the one before ended takes the prefix's folder, where the old socket
# file still lies, some time before it listens: it must be waited for until it listens
for run in 1 2 3 4 5 6; do
    (
        . "$root/tools/common.sh"
        trap 'ondrix_stop' EXIT
        export WINEPREFIX=$work/prefix
        ondrix_wineserver
        wine64 cmd /c exit 0 >/dev/null 2>&1 </dev/null || { echo "a program did not run"; exit 1; }
    ) || fail "start $run of the persistent wineserver, just after the one before ended"
done

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))
