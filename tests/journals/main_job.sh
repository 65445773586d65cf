#!/usr/bin/env bash
# End to end: the main job's journal on a fresh example product writes the attributes of
# every body and splits the numbered components into single-body parts saved beside them.
set -euo pipefail
fabdoc="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

"$fabdoc" example frame "$dir" >/dev/null
cp "$here/examples/main-job.journal" "$dir/"
"$fabdoc" run "$dir/main-job.journal" > "$dir/out"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir" <<'PY'
import json, os, sys
d = sys.argv[1]
info = json.load(open(os.path.join(d, "info.json")))
def walk(components):
    for c in components:
        yield c
        yield from walk(c["components"])
comps = list(walk(info["components"]))
names = [c["instance"] for c in comps]
# Each parent got its parts; part names are unique across the product.
for expected in ["立柱-1-1", "横梁-1-2", "底板-2-1", "盖板-2-2", "角板-3-1"]:
    assert expected in names, (expected, names)
    assert os.path.exists(os.path.join(d, expected + ".prt")), expected
# Every body still in the product carries a part name.
bodies = [b for c in comps for b in c["bodies"]]
assert bodies, "no bodies"
for b in bodies:
    assert b["attributes"].get("DB_PART_NAME"), b
# The single-body handle is no parent: it stays as it is.
assert "P-把手-4" in names
PY
grep -q "^message: 找到 1 个重复体" "$dir/out"
echo "main job: ok"
