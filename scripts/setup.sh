#!/usr/bin/env bash
# Installs what fabdoc needs (Debian 12 packages, only those missing) and builds it.
# Usage: scripts/setup.sh [BUILD_DIR]   (default: build/)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"

packages=(
  g++ cmake make pkg-config
  libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
  libocct-data-exchange-dev libocct-ocaf-dev
  nlohmann-json3-dev libpugixml-dev libzip-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3
  libcairo2-dev libpango1.0-dev fonts-noto-cjk poppler-utils
  python3-openpyxl libreoffice-calc-nogui
  libdxflib-dev python3-ezdxf
  libboost-dev chromium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root to install packages (or install them yourself): ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Node.js runs the DWG readers of the tests (WebAssembly builds of LibreDWG and
# libdxfrw) and the browser tests. A machine may already have
# its own Node.js with npm; only a missing one is installed from Debian.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root to install nodejs and npm (or install them yourself)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends nodejs npm
fi
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

# FABDOC_CMAKE_ARGS: further options of this build (scripts/test-sanitized.sh).
# shellcheck disable=SC2086
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${FABDOC_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
