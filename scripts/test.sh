#!/usr/bin/env bash
# Builds everything and runs every test (unit tests and end-to-end journals).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
