#!/usr/bin/env bash
# The scan benchmark: korvane-cli scanning a generated tree for five patterns in one run,
# against GNU find and bfs walking once with the patterns joined by -o, and find walking once
# per pattern. Prints the median times, the ratios and korvane-cli's peak memory per found row.
#
# Usage: run_scan_bench.sh BUILD_DIR [WORK_DIR] [REPETITIONS]
# BUILD_DIR holds src/korvane-cli and bench/scan/korvane-bench-tree (configure with
# -DKORVANE_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release). The tree is built in WORK_DIR/tree
# when missing and left there; remove it afterwards.
set -euo pipefail

build=${1:?usage: run_scan_bench.sh BUILD_DIR [WORK_DIR] [REPETITIONS]}
work=${2:-${TMPDIR:-/tmp}/korvane-scan-bench}
repetitions=${3:-7}
cli=$build/src/korvane-cli
generator=$build/bench/scan/korvane-bench-tree
tree=$work/tree
patterns=('*.tmp' '*.bak' '*.log' '*.old' '*.chk')

mkdir -p "$work"
if [[ ! -d $tree ]]; then
    "$generator" "$tree"
fi
settings=$work/none.ini  # never created: the scan needs no settings with folders given

korvane_args=(--settings "$settings" scan)
find_expr=()
for pattern in "${patterns[@]}"; do
    korvane_args+=(--pattern "$pattern")
    find_expr+=(${find_expr[@]:+-o} -iname "$pattern")
done
korvane_args+=("$tree")

run_korvane() { "$cli" "${korvane_args[@]}"; }
run_find_once() {
    find "$tree" -xdev -type d -name '.*' -prune -o -type f \( "${find_expr[@]}" \) \
        -printf '%s %p\n'
}
run_bfs_once() {
    bfs "$tree" -xdev -type d -name '.*' -prune -o -type f \( "${find_expr[@]}" \) \
        -printf '%s %p\n'
}
run_find_five() {
    for pattern in "${patterns[@]}"; do
        find "$tree" -xdev -type d -name '.*' -prune -o -type f -iname "$pattern" \
            -printf '%s %p\n'
    done
}

# Seconds of one run, output discarded.
elapsed() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo "scale=4; ($end - $start) / 1000000000" | bc
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

commands=(run_korvane run_bfs_once run_find_once run_find_five)
declare -A medians
for command in "${commands[@]}"; do
    "$command" >/dev/null  # warm the cache
done
declare -A samples
for ((rep = 0; rep < repetitions; ++rep)); do
    for command in "${commands[@]}"; do  # in turn, so drift touches every command alike
        samples[$command]+="$(elapsed "$command") "
    done
done
for command in "${commands[@]}"; do
    medians[$command]=$(tr ' ' '\n' <<<"${samples[$command]}" | grep . | median)
done

rows=$(run_korvane | wc -l)
rows=$((rows - 1))
if [[ $(run_find_once | wc -l) -ne $rows ]]; then
    echo "warning: find reports $(run_find_once | wc -l) files, korvane-cli $rows rows" >&2
fi
peak_kb=$(/usr/bin/time -f '%M' "$cli" "${korvane_args[@]}" 2>&1 >/dev/null | tail -1)
mkdir -p "$work/empty"
base_kb=$(/usr/bin/time -f '%M' "$cli" --settings "$settings" scan --pattern '*.tmp' \
    "$work/empty" 2>&1 >/dev/null | tail -1)

ratio() { echo "scale=3; $1 / $2" | bc; }
printf 'tree: %s (%s found rows, %s repetitions)\n' "$tree" "$rows" "$repetitions"
printf '%-28s %8s s\n' 'korvane-cli, one run' "${medians[run_korvane]}"
printf '%-28s %8s s\n' 'bfs, one walk' "${medians[run_bfs_once]}"
printf '%-28s %8s s\n' 'find, one walk' "${medians[run_find_once]}"
printf '%-28s %8s s\n' 'find, one walk per pattern' "${medians[run_find_five]}"
printf 'korvane / bfs once:          %s (goal <= 1.05)\n' \
    "$(ratio "${medians[run_korvane]}" "${medians[run_bfs_once]}")"
printf 'korvane / find once:         %s (goal <= 0.6)\n' \
    "$(ratio "${medians[run_korvane]}" "${medians[run_find_once]}")"
printf 'find five walks / korvane:   %s (goal >= 5)\n' \
    "$(ratio "${medians[run_find_five]}" "${medians[run_korvane]}")"
printf 'peak memory: %s KB, empty scan %s KB, %s bytes per found row (goal < 200)\n' \
    "$peak_kb" "$base_kb" "$(echo "($peak_kb - $base_kb) * 1024 / $rows" | bc)"
