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
cd "$dir"  # the journal writes its bill of materials into the folder it runs in
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
# The bill of materials, read back by openpyxl: the header kept, one row per part name,
# quantities adding up to the product's bodies, numbers in numeric cells.
/usr/bin/python3 - "$dir" <<'PY'
import json, os, sys
import openpyxl
d = sys.argv[1]
info = json.load(open(os.path.join(d, "info.json")))
body_count, stack = len(info.get("bodies", [])), list(info["components"])
while stack:
    component = stack.pop()
    body_count += len(component["bodies"])
    stack += component["components"]
sheet = openpyxl.load_workbook(os.path.join(d, "P-总装-0.xlsx"))["明细表"]
assert sheet["A1"].value == "零件明细表" and sheet["A2"].value == "序号", "header"
rows = []
r = 4
while sheet.cell(r, 1).value is not None:
    rows.append([sheet.cell(r, c).value for c in range(1, 11)])
    r += 1
assert rows, "no rows"
assert [row[0] for row in rows] == list(range(1, len(rows) + 1)), "numbered 1.."
names = [row[2] for row in rows]
assert len(names) == len(set(names)), ("one row per part name", names)
assert sum(row[4] for row in rows) == body_count, (sum(row[4] for row in rows), body_count)
for row in rows:
    assert isinstance(row[4], int) and isinstance(row[6], float) and row[6] > 0, row
    assert isinstance(row[9], int) and 1 <= row[9] <= 15, row
assert "立柱" in names and "底板" in names, names
PY
echo "main job: ok"
