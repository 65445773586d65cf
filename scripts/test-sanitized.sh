#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (no benchmarks,
# no fuzz drivers) and runs every test there: a memory fault, a leak or undefined
# behaviour fails the test that met it (docs/sanitizers.md).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SANITIZE_BUILD_DIR:-$here/build-sanitize}"
FABDOC_CMAKE_ARGS="-DFABDOC_SANITIZE=ON -DFABDOC_BENCH=OFF -DFABDOC_FUZZ=OFF" "$here/scripts/setup.sh" "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 1500
