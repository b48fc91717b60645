#!/usr/bin/env bash
# Installs the Debian packages the suite needs, and only when one is missing:
# on a machine that has them all this does not touch apt at all.
#   scripts/setup-deps.sh run    building and running the suite
#   scripts/setup-deps.sh test   also the tests, benchmarks, sanitizers, fuzzers
#   scripts/setup-deps.sh bench  also what scripts/bench-export.sh compares with
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail

run_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev fonts-noto-cjk fonts-liberation libgif-dev)
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev)
bench_packages=(libbenchmark-dev hyperfine python3-matplotlib python3-numpy)

case "${1:-run}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    bench) wanted=("${run_packages[@]}" "${bench_packages[@]}") ;;
    *) echo "usage: $0 [run|test|bench]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "setup-deps: these Debian packages are missing and neither root nor sudo is available to install them:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

echo "setup-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
