#!/usr/bin/env bash
# Times kavel-export from the command line on the large set (every viewer's
# large result, written by kavel_largeroot) against the Python + matplotlib
# script that draws the same Campbell chart (bench/peers/mpl_campbell.py).
#   scripts/bench-export.sh [BUILD]   BUILD: a Release build with KAVEL_BENCH
#                                     (default build-release)
# Uses hyperfine when it is installed (scripts/setup-deps.sh bench), else
# times each command itself: RUNS runs (default 10) after one warm-up run,
# mean and fastest in milliseconds.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build-release}
export_program=$build/export/kavel-export
[ -x "$export_program" ] && [ -x "$build/bench/kavel_largeroot" ] || {
    echo "bench-export: build $build first (Release, -DKAVEL_BENCH=ON)" >&2
    exit 2
}
runs=${RUNS:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
"$build/bench/kavel_largeroot" "$root"
out=$work/out
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

ms_now() { date +%s%N; }

# timeit NAME COMMAND: the command is a shell command line.
timeit() {
    local name=$1 command=$2
    if command -v hyperfine >/dev/null; then
        hyperfine --style basic --warmup 1 --runs "$runs" --command-name "$name" "$command" 2>/dev/null \
            | grep -E "^Benchmark|Time \(mean|Range" || echo "$name: failed"
        return
    fi
    bash -c "$command" >/dev/null 2>&1 || { echo "$name: failed"; return; }
    local total=0 best=0 start elapsed
    for ((i = 0; i < runs; i++)); do
        start=$(ms_now)
        bash -c "$command" >/dev/null 2>&1
        elapsed=$(( ($(ms_now) - start) / 1000 ))
        total=$((total + elapsed))
        if [ "$best" -eq 0 ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    printf '%-44s mean %8.1f ms   fastest %8.1f ms\n' "$name" "$((total / runs))e-3" "${best}e-3"
}

x="$export_program"
r="--root $root"
echo "kavel-export on the large set ($runs runs each; files in $root/data):"
ls -l "$root/data" | awk 'NR > 1 { printf "  %-12s %9d bytes\n", $9, $5 }'
timeit "process start (--list-viewers)" "$x --list-viewers"
timeit "valden PNG + PDF, two processes" "$x valden $r -o $out/a.png && $x valden $r -o $out/a.pdf"
timeit "valden PNG + PDF, one process" "$x valden $r -o $out/b.png -o $out/b.pdf"
timeit "book of all viewers" "$x book $r -o $out/book.pdf"
for format in pdf svg png json; do
    timeit "valden $format" "$x valden $r -o $out/c.$format"
done
peer=$source_dir/bench/peers/mpl_campbell.py
# Debian's python3 first: another one on the path may lack Debian's matplotlib.
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import matplotlib, numpy' 2>/dev/null; then python=$candidate; break; fi
done
if [ -n "$python" ]; then
    timeit "matplotlib PNG + PDF (mpl_campbell.py)" "$python $peer $root/data/valden.mac $out/mpl"
else
    echo "matplotlib PNG + PDF: python3-matplotlib is not installed (scripts/setup-deps.sh bench)"
fi
echo "sizes of the large Campbell chart:"
for format in pdf svg png; do
    printf '  valden.%-4s %9d bytes\n' "$format" "$(stat -c %s "$out/c.$format")"
done
