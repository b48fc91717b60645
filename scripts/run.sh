#!/usr/bin/env bash
# Builds the suite (Release), installs it with the bundled sample data into
# the root, and starts the launcher (ROOT/Kavel). Without a display it
# renders every installed viewer's chart, screen PNG and printer PDF, and
# says where they are.
#
#   scripts/run.sh [--root DIR] [--render]
#
# The root is --root, else $KAVEL_ROOT, else ~/Kavel. An existing root keeps
# its working settings (*.tmp) and result files (data/); only missing ones
# are added from the samples, the factory settings (*.org) are replaced.
# --render renders the charts even when a display is there.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
root=${KAVEL_ROOT:-$HOME/Kavel}
render=0
while [ $# -gt 0 ]; do
    case "$1" in
        --root) root=${2:?--root needs a directory}; shift 2 ;;
        --root=*) root=${1#--root=}; shift ;;
        --render) render=1; shift ;;
        -h|--help) sed -n '2,14s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "run.sh: unknown argument '$1' (try --help)" >&2; exit 2 ;;
    esac
done
mkdir -p "$root"
root=$(cd "$root" && pwd)

"$source_dir/scripts/setup-deps.sh" run

build=${KAVEL_BUILD_DIR:-$source_dir/build-release}
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKAVEL_TESTS=OFF -DKAVEL_BENCH=OFF -DKAVEL_FUZZ=OFF -DKAVEL_SANITIZE=OFF
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" --prefix "$root" | grep -v '^-- Up-to-date' || true
echo "Kavel is installed in $root"

export KAVEL_ROOT=$root
if [ "$render" -eq 0 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec "$root/Kavel"
fi

charts=$root/charts
mkdir -p "$charts"
status=0
for viewer in $("$root/kavel-export" --list-viewers); do
    "$root/kavel-export" "$viewer" --surface screen -o "$charts/$viewer-screen.png" || status=1
    "$root/kavel-export" "$viewer" --surface printer -o "$charts/$viewer-printer.pdf" || status=1
done
# Every printed chart in one PDF, a bookmark per viewer.
"$root/kavel-export" book -o "$charts/book.pdf" || status=1
echo "No display: the charts of the installed viewers are in $charts"
ls -1 "$charts"
exit $status
