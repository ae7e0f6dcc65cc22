#!/usr/bin/env bash
# Builds every preset and runs all tests: native unit tests, Windows-side and end-to-end tests
# under Wine on a private X display, the import check of both executables, and a bounded fuzz run.
set -uo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
zevadar_install || exit 1
trap zevadar_stop EXIT

failed=()
step() {
    local name=$1
    shift
    echo "== $name"
    "$@" || failed+=("$name")
}
build() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}

for preset in native win64 win32 fuzz; do
    step "build $preset" build "$preset"
done

zevadar_start_display || exit 1
zevadar_prepare_wine

step "tests native" ctest --preset native -j2
step "tests win64" ctest --preset win64 -j2
step "tests win32" ctest --preset win32
step "fuzz markup" scripts/fuzz.sh 60

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "All builds and tests passed."
