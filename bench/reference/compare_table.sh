#!/usr/bin/env bash
# Times `tarnvale-cli table` against the straightforward Python script that writes the same
# table from the same band table, each as a whole process, and checks that both write the
# same bytes.
# Usage: bench/reference/compare_table.sh [RUNS]   (after a build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-5}
cli="$root/build/bin/tarnvale-cli"
python="$root/bench/reference/table_reference.py"
bands=$(mktemp)
trap 'rm -f "$bands"' EXIT
"$root/build/bin/band_table_json" >"$bands"
cmp <("$cli" table) <(python3 "$python" "$bands") || { echo "the two tables differ" >&2; exit 1; }

mean_ms() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v ns="$((end - start))" -v n="$runs" 'BEGIN { printf "%.2f", ns / 1e6 / n }'
}
c=$(mean_ms "$cli" table)
p=$(mean_ms python3 "$python" "$bands")
awk -v c="$c" -v p="$p" \
    'BEGIN { printf "tarnvale-cli table: %s ms a run; Python: %s ms a run; %.1f times faster\n", c, p, p / c }'
