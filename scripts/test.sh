#!/usr/bin/env bash
# Installs everything (the test packages and readers too), builds every target and runs
# every test (unit tests, end-to-end journals, browser tests).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh" "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
