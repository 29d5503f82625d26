#!/usr/bin/env bash
# soak-seeds.sh [-j JOBS] [-n ACTIONS] [-o FOLDER] [-r ROAD] SEED...: the soak road (or ROAD) once for
# each seed, JOBS (3
# unless given) at a time, each run with a virtual display, a copy of the tests' Wine prefix (with a
# wineserver of its own), a print server and an output folder of its own, so that runs do not see
# each other's windows. The program and the inspector are the ones built in the build folder
# (ONDRIX_BUILD, ./build unless given; ./tools/test builds them and makes the prefix). ACTIONS is 1000
# unless given; other SOAK_ variables of the environment (SOAK_AVOID, SOAK_PACE, SOAK_REPLAY) reach
# every run. SOAK_ROADS and SOAK_INSPECT name another roads.sh and inspector (.exe.so) to run, for a
# comparison with an earlier road.
#
# Prints a line for each seed as it ends: passed, or failed with the road's message; the run's folder
# FOLDER/seed-SEED (FOLDER is /tmp/ondrix-soak unless given) keeps road.log, the road's output
# folder out/ROAD (actions.txt, the screenshot and window dump of a failure) and a replay command.
# Exits 1 when a seed failed.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tools/common.sh"
build=$ONDRIX_BUILD
jobs=3 actions=1000 folder=/tmp/ondrix-soak road=soak
while getopts j:n:o:r: option; do
    case $option in
    r) road=$OPTARG ;;
    j) jobs=$OPTARG ;;
    n) actions=$OPTARG ;;
    o) folder=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || die "usage: soak-seeds.sh [-j JOBS] [-n ACTIONS] [-o FOLDER] [-r ROAD] SEED..."
[ -f "$build/wineprefix/.ondrix-test-prefix" ] && [ -f "$build/app/Ondrix.exe.so" ] ||
    die "no built program and test prefix in $build: run ./tools/test first"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

# run_seed SEED: one run, in a subshell that starts and stops what the run needs, by process id.
run_seed() {
    local seed=$1 dir=$folder/seed-$1
    rm -rf "$dir"
    mkdir -p "$dir"
    (
        # the print server's folder is made in ONDRIX_BUILD: here the run's own
        ONDRIX_BUILD=$dir
        trap 'ondrix_stop; ondrix_print_server_stop' EXIT
        cp -a "$build/wineprefix" "$dir/prefix" || die "could not copy the prefix"
        rm -f "$dir/prefix/.ondrix-wineserver"
        ondrix_xvfb
        ondrix_print_server
        ondrix_prefix "$dir/prefix" test
        ondrix_wineserver
        local started=$SECONDS
        WINE64=/usr/lib/wine/wine64 ONDRIX_EXE=$build/app/Ondrix.exe.so \
            ONDRIX_INSPECT=${SOAK_INSPECT:-$build/tests/e2e/ondrix_inspect.exe.so} \
            ONDRIX_GENERATE_PROJECT=$build/tests/e2e/ondrix_generate_project E2E_OUT=$dir/out \
            ONDRIX_TEST_DATA=$root/tests/data SOAK_SEED=$seed SOAK_ACTIONS=$actions \
            bash "${SOAK_ROADS:-$root/tests/e2e/roads.sh}" "$road" >"$dir/road.log" 2>&1 </dev/null
        echo "$? $((SECONDS - started))" >"$dir/rc"
        printf 'cd %q && SOAK_REPLAY=%q %q -o %q-replay %q\n' "$root" "$dir/out/$road/actions.txt" "$0" "$folder" \
            "$seed" >"$dir/replay"
    ) >"$dir/setup.log" 2>&1
    local rc seconds
    read -r rc seconds <"$dir/rc" 2>/dev/null || { rc=1 seconds=?; }
    if [ "$rc" -eq 0 ]; then
        echo "seed $seed: passed in $seconds s"
    else
        echo "seed $seed: FAILED in $seconds s: $(grep -m1 -E '^road [a-z_]+ failed' "$dir/road.log" ||
            tail -2 "$dir/setup.log" | tr '\n' ' ')"
        echo "  $dir/road.log"
    fi
}

for seed in "$@"; do
    # no more than JOBS runs at once
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n
    done
    run_seed "$seed" &
done
wait
for seed in "$@"; do
    read -r rc _ <"$folder/seed-$seed/rc" 2>/dev/null && [ "$rc" -eq 0 ] || exit 1
done
exit 0
