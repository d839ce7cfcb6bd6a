#!/usr/bin/env bash
# Times the disposal of many small files by korvane-bench-clean against the tools a user has:
# find -delete for deletion, mv for a move into a folder, trash-put (trash-cli) and gio trash
# for the Trash. Prints the median of a few runs per method, files per second and the ratios.
#
# Usage: bench/clean/disposal_bench.sh PATH-TO-korvane-bench-clean [FILES] [RUNS]
# The work folder is made under $BENCH_DIR (default: $TMPDIR or /tmp), which must not be a
# memory filesystem (gio refuses to trash there); HOME and XDG_DATA_HOME point into it, so every
# Trash used is a fresh one on the same filesystem as the files.
set -euo pipefail

ours=${1:?usage: disposal_bench.sh PATH-TO-korvane-bench-clean [FILES] [RUNS]}
files=${2:-20000}
runs=${3:-3}
work=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/korvane-disposal-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

make_files() {
    mkdir -p "$1"
    python3 - "$1" "$files" <<'PY'
import os, sys
folder, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    with open(os.path.join(folder, "junk%05d.tmp" % i), "wb") as f:
        f.write(b"x" * 200)
PY
}

now() { date +%s%N; }

# time_method NAME COMMAND...: runs the command over a fresh $work/src (with an empty
# $work/dst and a fresh Trash in $work/data) and records the seconds it took.
declare -A timings failed
time_method() {
    local name=$1
    shift
    local src="$work/src" dst="$work/dst" data="$work/data"
    rm -rf "$src" "$dst" "$data"
    mkdir -p "$dst" "$data"
    make_files "$src"
    # Let the writing and freeing of the previous run settle so it is not charged to this one.
    sync
    sleep 1
    local start end
    start=$(now)
    HOME="$work" XDG_DATA_HOME="$data" "$@" >/dev/null 2>"$work/errors.log" || true
    end=$(now)
    local left
    left=$(find "$src" -type f | wc -l)
    if [ "$left" -ne 0 ]; then
        echo "$name left $left of $files files behind; its first complaint:" >&2
        head -n 1 "$work/errors.log" >&2
        failed[$name]=1
    fi
    timings[$name]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", (e - s) / 1e9 }') "
}

have() { command -v "$1" >/dev/null 2>&1; }

methods=("korvane delete" "find -delete" "korvane move" "mv" "korvane trash")
have gio && methods+=("gio trash")
have trash-put && methods+=("trash-put")

# Odd runs take the methods in order, even runs in reverse, so that no method always follows
# the same other one.
reversed=()
for ((i = ${#methods[@]} - 1; i >= 0; i--)); do
    reversed+=("${methods[i]}")
done

for ((run = 1; run <= runs; run++)); do
    order=("${methods[@]}")
    if ((run % 2 == 0)); then
        order=("${reversed[@]}")
    fi
    for method in "${order[@]}"; do
        case $method in
        "korvane delete") time_method "$method" sh -c '"$0" delete "$1"' "$ours" "$work/src" ;;
        "find -delete") time_method "$method" sh -c 'find "$0" -type f -delete' "$work/src" ;;
        "korvane move") time_method "$method" sh -c '"$0" move "$1" "$2"' "$ours" "$work/src" "$work/dst" ;;
        "mv") time_method "$method" sh -c 'find "$0" -maxdepth 1 -type f -exec mv -t "$1" -- {} +' "$work/src" "$work/dst" ;;
        "korvane trash") time_method "$method" sh -c '"$0" trash "$1"' "$ours" "$work/src" ;;
        "gio trash") time_method "$method" sh -c 'find "$0" -maxdepth 1 -type f -exec gio trash -- {} +' "$work/src" ;;
        "trash-put") time_method "$method" sh -c 'find "$0" -maxdepth 1 -type f -exec trash-put -- {} +' "$work/src" ;;
        esac
    done
done

median() { tr ' ' '\n' <<<"$1" | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A medians
printf '%-16s %10s %14s   %s\n' "method" "median s" "files/s" "runs (s)"
for method in "${methods[@]}"; do
    medians[$method]=$(median "${timings[$method]}")
    printf '%-16s %10.3f %14.0f   %s\n' "$method" "${medians[$method]}" \
        "$(awk -v n="$files" -v t="${medians[$method]}" 'BEGIN { print n / t }')" "${timings[$method]}"
done

echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
goal() { # goal LABEL RATIO OPERATOR LIMIT [METHOD...]: METHODs that left files void the goal
    local verdict method
    for method in "${@:5}"; do
        if [ -n "${failed[$method]:-}" ]; then
            printf '%-44s (not measured: %s did not dispose of every file)\n' "$1" "$method"
            return
        fi
    done
    verdict=$(awk -v r="$2" -v l="$4" -v op="$3" 'BEGIN { ok = (op == "<=") ? r <= l : r >= l; print ok ? "met" : "MISSED" }')
    printf '%-44s %6sx  (goal %s %sx) %s\n' "$1" "$2" "$3" "$4" "$verdict"
}
goal "deletion: korvane time / find -delete time" "$(ratio "${medians[korvane delete]}" "${medians[find -delete]}")" "<=" 1.2 "korvane delete" "find -delete"
goal "move: korvane time / mv time" "$(ratio "${medians[korvane move]}" "${medians[mv]}")" "<=" 1.5 "korvane move" "mv"
if [ -n "${medians[gio trash]:-}" ]; then
    goal "Trash: gio trash time / korvane time" "$(ratio "${medians[gio trash]}" "${medians[korvane trash]}")" ">=" 2 "korvane trash" "gio trash"
fi
if [ -n "${medians[trash-put]:-}" ]; then
    goal "Trash: trash-put time / korvane time" "$(ratio "${medians[trash-put]}" "${medians[korvane trash]}")" ">=" 10 "korvane trash" "trash-put"
fi
