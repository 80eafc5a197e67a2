#!/usr/bin/env bash
# Start-up time to the first painted frame and resident memory of the idle
# program under Xvfb, against a bare Qt window of the same size measured in
# the same run. Prints figures; not a pass/fail test.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (default build, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$(realpath "${1:-build}")
RUNS=${2:-7}
PROGRAM="$BUILD/quorvel-marlune"
BASELINE="$BUILD/bench/bench_blank_window"

# Re-run under a fresh X server unless the caller gave us one.
if [ -z "${QM_BENCH_UNDER_X:-}" ]; then
    export QM_BENCH_UNDER_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$BUILD" "$RUNS"
fi
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# One run: microseconds from exec to the first painted frame, processor
# microseconds used by then, and KiB resident after a second of idling. The
# program writes the wall-clock time of its first frame and its processor
# time to the file QM_REPORT_FIRST_PAINT names.
run_once() {
    local stamp="$WORK/first-paint" start pid painted cpu rss
    rm -f "$stamp"
    start=$(date +%s%N)
    QM_REPORT_FIRST_PAINT="$stamp" "$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1000); do
        [ -s "$stamp" ] && break
        sleep 0.01
    done
    [ -s "$stamp" ] || { kill "$pid"; echo "$1: no first paint within 10 s" >&2; exit 1; }
    read -r painted cpu <"$stamp"
    sleep 1
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((painted - start) / 1000)) $((cpu / 1000)) $rss"
}

# Medians of the three figures over RUNS runs, after one warm-up run that
# fills the file cache as on a desktop that has started the program before.
measure() {
    run_once "$1" >/dev/null
    : >"$WORK/results"
    for _ in $(seq "$RUNS"); do run_once "$1" >>"$WORK/results"; done
    for column in 1 2 3; do
        cut -d' ' -f"$column" "$WORK/results" | sort -n | awk '{ v[NR] = $1 } END { printf "%s ", v[int((NR + 1) / 2)] }'
    done
    echo
}

read -r wall cpu rss < <(measure "$PROGRAM")
base_wall=0 base_cpu=0 base_rss=0
[ -x "$BASELINE" ] && read -r base_wall base_cpu base_rss < <(measure "$BASELINE")

awk -v runs="$RUNS" -v wall="$wall" -v cpu="$cpu" -v rss="$rss" \
    -v bwall="$base_wall" -v bcpu="$base_cpu" -v brss="$base_rss" \
    -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "quorvel-marlune, medians of %d runs under Xvfb (load average %s):\n", runs, load
    printf "  start-up to first painted frame  %7.1f ms   (target 300 ms)\n", wall / 1000
    printf "  processor time until then        %7.1f ms\n", cpu / 1000
    printf "  resident memory when idle        %7.1f MiB  (target under 60 MiB)\n", rss / 1024
    if (bwall > 0) {
        printf "bare Qt window of the same size (baseline): %.1f ms, %.1f ms processor, %.1f MiB\n",
               bwall / 1000, bcpu / 1000, brss / 1024
        printf "ratios to the baseline: start-up %.2f, processor %.2f, memory %.2f\n",
               wall / bwall, cpu / bcpu, rss / brss
    }
}'
