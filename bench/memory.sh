#!/usr/bin/env bash
# Peak resident memory of txt2htm converting a 1 GiB text that has no line end
# at all, with the default options (title and heading are the whole text).
# Usage: bench/memory.sh [path/to/txt2htm]   (needs about 5 GiB of free disk)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build/txt2htm}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# yes stops on a broken pipe, as it should.
yes 'lorem ipsum	dolor 中文文本 sit amet ' | tr -d '\n' | head -c $((1 << 30)) > "$dir/huge.txt" || true

if [ -x /usr/bin/time ]; then
    /usr/bin/time -f '%M %e' -o "$dir/usage" "$tool" "$dir/huge.txt"
    read -r kib seconds < "$dir/usage"
else
    read -r kib seconds < <(python3 -c '
import resource, subprocess, sys, time
start = time.time()
subprocess.run([sys.argv[1], sys.argv[2]], check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss, round(time.time() - start, 2))
' "$tool" "$dir/huge.txt")
fi
echo "text 1 GiB, page $(($(stat -c %s "$dir/huge.htm") / 1048576)) MiB, ${seconds} s"
echo "peak resident memory: $((kib / 1024)) MiB (${kib} KiB; target at most 32 MiB)"
