#!/usr/bin/env bash
# The main job: installs what fabdoc needs and builds it (no tests, benchmarks or test
# readers: scripts/setup.sh --main-job), writes the example product, runs the example
# journal on it and draws its sheets into drawings.pdf. Results go to out/ (or the folder
# given).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
out="${1:-$here/out}"
"$here/scripts/setup.sh" --main-job "$build"
fabdoc="$build/bin/fabdoc"

rm -rf "$out/frame"
mkdir -p "$out"
"$fabdoc" example frame "$out/frame"
cp "$here/examples/main-job.journal" "$out/frame/"
out="$(cd "$out" && pwd)"
cd "$out/frame"  # the journal writes its bill of materials (P-总装-0.xlsx) into the folder it runs in
"$fabdoc" run "$out/frame/main-job.journal"
"$fabdoc" flat "$out/frame/P-总装-0.prt" "$out/frame/flat" > "$out/frame-flat.txt"
"$fabdoc" info "$out/frame/P-总装-0.prt" > "$out/frame-info.txt"
"$fabdoc" info "$out/frame/P-总装-0.prt" --json > "$out/frame-info.json"
"$fabdoc" render "$out/frame/P-总装-0.prt" "$out/frame"
echo "main job: done; see $out/frame, $out/frame/drawings.pdf and $out/frame-info.txt"
