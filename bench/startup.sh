#!/usr/bin/env bash
# Start-up time to the first painted frame and resident memory of the idle
# program, under Xvfb. Prints figures; not a pass/fail test.
# Usage: bench/startup.sh [PROGRAM] [RUNS]   (default build/quorvel-marlune, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."

PROGRAM=$(realpath "${1:-build/quorvel-marlune}")
RUNS=${2:-7}

# Re-run under a fresh X server unless the caller gave us one.
if [ -z "${QM_BENCH_UNDER_X:-}" ]; then
    export QM_BENCH_UNDER_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$PROGRAM" "$RUNS"
fi
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The program writes the wall-clock time of its first painted frame and the
# processor time it had used by then to the file QM_REPORT_FIRST_PAINT names.
# The processor time is the steadier figure on a loaded machine.
run_once() {
    local stamp="$WORK/first-paint" start pid
    rm -f "$stamp"
    start=$(date +%s%N)
    QM_REPORT_FIRST_PAINT="$stamp" "$PROGRAM" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1000); do
        [ -s "$stamp" ] && break
        sleep 0.01
    done
    [ -s "$stamp" ] || { kill "$pid"; echo "no first paint within 10 s" >&2; exit 1; }
    local painted cpu
    read -r painted cpu <"$stamp"
    # Idle for a moment, then read the resident set.
    sleep 1
    local rss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((painted - start) / 1000)) $((cpu / 1000)) $rss"
}

# One warm-up run fills the file cache, as on a desktop that has started it before.
run_once >/dev/null
: >"$WORK/results"
for _ in $(seq "$RUNS"); do
    run_once >>"$WORK/results"
done

# The median of one column of the results.
median() { cut -d' ' -f"$1" "$WORK/results" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column_min() { cut -d' ' -f"$1" "$WORK/results" | sort -n | head -1; }
column_max() { cut -d' ' -f"$1" "$WORK/results" | sort -n | tail -1; }

awk -v runs="$RUNS" -v wall="$(median 1)" -v wmin="$(column_min 1)" -v wmax="$(column_max 1)" \
    -v cpu="$(median 2)" -v rss="$(column_max 3)" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "start-up to first painted frame (%d runs): median %.1f ms, min %.1f ms, max %.1f ms (target 300 ms)\n",
           runs, wall / 1000, wmin / 1000, wmax / 1000
    printf "processor time to first painted frame: median %.1f ms\n", cpu / 1000
    printf "resident memory of the idle program: %.1f MiB (target under 60 MiB)\n", rss / 1024
    printf "ratio to target: start-up %.2f, memory %.2f\n", wall / 1000 / 300, rss / 1024 / 60
    printf "load average while measuring: %s\n", load
}'
