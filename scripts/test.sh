#!/usr/bin/env bash
# Configures, builds and runs the whole test suite: the tests, one short
# pass of the benchmarks, the tests again under AddressSanitizer and UBSan,
# and each fuzz target for a bounded time on its corpus. Exits non-zero when
# any stage fails.
#
#   scripts/test.sh [--quick]   --quick: only the build and the tests
#
# Environment: KAVEL_SANITIZE_TESTS=0 or KAVEL_FUZZ_SECONDS=0 leave those
# stages out (KAVEL_FUZZ_SECONDS=N: N seconds a target, default 30);
# KAVEL_JOBS sets the build and test parallelism (default: cores).
set -uo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${KAVEL_JOBS:-$(nproc)}
sanitize=${KAVEL_SANITIZE_TESTS:-1}
fuzz_seconds=${KAVEL_FUZZ_SECONDS:-30}
benchmark=1
for argument in "$@"; do
    case "$argument" in
        --quick) sanitize=0; fuzz_seconds=0; benchmark=0 ;;
        --full) ;; # the default; kept for the scripts that pass it
        -h|--help) sed -n '2,12s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "test.sh: unknown argument '$argument' (try --help)" >&2; exit 2 ;;
    esac
done

"$source_dir/scripts/setup-deps.sh" test || exit 1

failed=()
stage() {
    local name=$1
    shift
    echo "=== $name"
    local start=$SECONDS
    if "$@"; then
        echo "=== $name: passed ($((SECONDS - start)) s)"
    else
        echo "=== $name: FAILED ($((SECONDS - start)) s)"
        failed+=("$name")
        return 1
    fi
}

build_and_test() {
    local build=$1
    shift
    cmake -S "$source_dir" -B "$build" -G Ninja -DKAVEL_WERROR=ON "$@" &&
        cmake --build "$build" --parallel "$jobs" &&
        ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 300
}

benchmarks() {
    "$source_dir/build-test/bench/kavel_bench" --benchmark_min_time=0.05
}

# Qt and fontconfig keep caches until the process ends; the sanitizers
# report leaks of our own code only.
sanitized_tests() {
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    LSAN_OPTIONS=suppressions=$source_dir/scripts/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build_and_test "$source_dir/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKAVEL_SANITIZE=ON -DKAVEL_BENCH=OFF -DKAVEL_FUZZ=OFF
}

if stage "build and tests" build_and_test "$source_dir/build-test" -DCMAKE_BUILD_TYPE=Debug \
    -DKAVEL_TESTS=ON -DKAVEL_BENCH=ON -DKAVEL_SANITIZE=OFF -DKAVEL_FUZZ=OFF && [ "$benchmark" != 0 ]; then
    stage "benchmarks, one short pass" benchmarks
fi
if [ "$sanitize" != 0 ]; then
    stage "tests under AddressSanitizer and UBSan" sanitized_tests
fi
if [ "$fuzz_seconds" != 0 ]; then
    stage "fuzzing, ${fuzz_seconds} s a target" "$source_dir/scripts/fuzz.sh" "$fuzz_seconds"
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "test.sh: FAILED: ${failed[*]}"
    exit 1
fi
echo "test.sh: all passed"
