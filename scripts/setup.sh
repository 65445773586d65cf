#!/usr/bin/env bash
# Installs what fabdoc needs (Debian 12 packages, only those missing) and builds it.
# Usage: scripts/setup.sh [--main-job] [BUILD_DIR]   (default: build/)
#   --main-job  only what the main job runs: the fabdoc command, the add-on and the host
#               data, from the packages of `main_packages`; no tests, benchmarks, fuzz
#               drivers, test readers, browser or the page of `fabdoc serve`.
#   otherwise   everything: the test packages and npm readers too, and every target.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
main_job=false
if [ "${1:-}" = "--main-job" ]; then
  main_job=true
  shift
fi
build="${1:-$here/build}"

# What the fabdoc command and the add-on are built from and draw with.
main_packages=(
  g++ cmake make pkg-config
  libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
  libocct-data-exchange-dev libocct-ocaf-dev
  nlohmann-json3-dev libpugixml-dev libzip-dev zlib1g-dev libssl-dev
  libcairo2-dev libpango1.0-dev fonts-noto-cjk
  libdxflib-dev libboost-dev
)
# What the tests, benchmarks and their readers need besides.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev python3 poppler-utils
  python3-openpyxl libreoffice-calc-nogui python3-ezdxf chromium
)
packages=("${main_packages[@]}")
$main_job || packages+=("${test_packages[@]}")

install_debian() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root to install packages (or install them yourself): $*" >&2
    exit 1
  fi
  echo "setup: installing $*"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "$@"
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js runs the DWG readers of the tests (WebAssembly builds of LibreDWG and libdxfrw)
# and the browser tests. A machine may already have its own Node.js with npm; only a
# missing one is installed from Debian.
if ! $main_job && { ! command -v node >/dev/null || ! command -v npm >/dev/null; }; then
  missing+=(nodejs npm)
fi
if [ ${#missing[@]} -gt 0 ]; then
  install_debian "${missing[@]}"
fi

if ! $main_job; then
  # npm packages, pinned by each folder's package-lock.json: the DWG readers of the tests,
  # three.js for the page of `fabdoc serve` (copied beside it by the build), and
  # puppeteer-core, which drives Debian's chromium in the browser tests (it downloads no browser).
  for folder in tests/readers app/serve/page tests/browser; do
    dir="$here/$folder"
    if [ ! -f "$dir/node_modules/.package-lock.json" ] ||
       [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
      (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
    fi
  done
fi

# Said every time, so that a build folder the main job configured builds everything
# again here, and the other way round. FABDOC_CMAKE_ARGS: further options of this build
# (scripts/test-sanitized.sh); they come last and win.
if $main_job; then
  parts="-DFABDOC_TESTS=OFF -DFABDOC_BENCH=OFF -DFABDOC_FUZZ=OFF -DFABDOC_SERVE_PAGE=OFF"
else
  parts="-DFABDOC_TESTS=ON -DFABDOC_BENCH=ON -DFABDOC_FUZZ=ON -DFABDOC_SERVE_PAGE=ON"
fi
# shellcheck disable=SC2086
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo $parts ${FABDOC_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
