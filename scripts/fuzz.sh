#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and
# runs each from its seed corpus (fuzz/corpus/<target>/) for a bounded time.
# Fails on any finding; the input that caused it is kept in
# BUILD/artifacts/ and printed in base64.
#
#   scripts/fuzz.sh [SECONDS]    seconds per target: 30, or $KAVEL_FUZZ_SECONDS
#
# New inputs libFuzzer finds go to BUILD/corpus/<target>/, never into the
# source tree. BUILD is build-fuzz, or $KAVEL_FUZZ_BUILD_DIR.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-${KAVEL_FUZZ_SECONDS:-30}}
build=${KAVEL_FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
targets=(fuzz_fieldreader fuzz_settings fuzz_rotormodel fuzz_eigendata fuzz_unbalanceresponse fuzz_criticalspeedmap fuzz_complexmodeshapes fuzz_lendrixmodel fuzz_deflectiondata fuzz_modeshapefiles fuzz_matrixexport fuzz_resultoptions fuzz_rememberedfolder fuzz_exportoptions)

"$source_dir/scripts/setup-deps.sh" test

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DKAVEL_FUZZ=ON -DKAVEL_TESTS=OFF -DKAVEL_BENCH=OFF -DKAVEL_SANITIZE=OFF -DKAVEL_WERROR=ON
cmake --build "$build" --parallel "${KAVEL_JOBS:-$(nproc)}" --target "${targets[@]}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
    name=${target#fuzz_}
    mkdir -p "$build/corpus/$name" "$build/artifacts"
    log=$build/artifacts/$target.log
    echo "fuzz: $target for ${seconds} s"
    if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$name" "$source_dir/fuzz/corpus/$name" >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done' "$log" | sed 's/^/  /' || true
    else
        echo "fuzz: $target found a fault:"
        grep -v -E '^#[0-9]+|^INFO:' "$log" | tail -40
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: FAILED: ${failed[*]} (logs and inputs in $build/artifacts)"
    exit 1
fi
echo "fuzz: no findings"
