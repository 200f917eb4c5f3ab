#!/usr/bin/env bash
# Times `tarnvale-cli annotate` of a drive-test log of a million rows against the Python script
# a user would write otherwise, each as a whole process, checks that both write the same bytes,
# and reports tarnvale-cli's peak memory (with GNU time, Debian's `time`).
# Usage: bench/reference/compare_annotate.sh [RUNS] [ROWS]   (after a build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-3}
rows=${2:-1000000}
cli="$root/build/bin/tarnvale-cli"
here="$root/bench/reference"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/build/bin/band_table_json" >"$work/bands.json"
python3 "$here/drive_test_log.py" "$work/bands.json" "$rows" >"$work/log.csv"
annotate=("$cli" annotate --format LTE --column earfcn "$work/log.csv")
reference=(python3 "$here/annotate_reference.py" "$work/bands.json" LTE earfcn)
cmp <("${annotate[@]}" 2>/dev/null || true) <("${reference[@]}" <"$work/log.csv") ||
    { echo "the two annotated logs differ" >&2; exit 1; }

# Mean wall time of a command in ms, run RUNS times.
mean_ms() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do "$@" <"$work/log.csv" >/dev/null 2>&1 || true; done
    end=$(date +%s%N)
    awk -v ns="$((end - start))" -v n="$runs" 'BEGIN { printf "%.1f", ns / 1e6 / n }'
}
c=$(mean_ms "${annotate[@]}")
p=$(mean_ms "${reference[@]}")
awk -v c="$c" -v p="$p" -v n="$rows" 'BEGIN {
    printf "tarnvale-cli annotate: %s ms a run (%.1f M rows/s); Python: %s ms a run; %.1f times faster\n",
        c, n / c / 1000, p, p / c }'
if [ -x /usr/bin/time ]; then
    kib=$(/usr/bin/time -f %M "${annotate[@]}" 2>&1 >/dev/null | tail -1)
    awk -v k="$kib" 'BEGIN { printf "tarnvale-cli annotate: peak memory %.1f MiB\n", k / 1024 }'
fi
