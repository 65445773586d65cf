#!/usr/bin/env bash
# End to end: the main job's journal on a fresh example product writes the attributes of
# every body, splits the numbered components into single-body parts saved beside them and
# draws the product's sheets, which `render` turns into one PDF that poppler reads back.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cp "$here/examples/main-job.journal" "$dir/"
cd "$dir"  # the journal writes its bill of materials into the folder it runs in
run_journal "$dir/main-job.journal"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
"$fabdoc" render "$dir/P-总装-0.prt" "$dir/drawn" > /dev/null
python3 "$here/tests/journals/sheet_layout.py" "$dir/info.json" > /dev/null  # inside the frame, as laid out
pdfinfo "$dir/drawn/drawings.pdf" > "$dir/pdfinfo.txt"
pdftotext -layout "$dir/drawn/drawings.pdf" "$dir/drawings.txt"
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
# Every body still in the product, the assembly's own guide rod too, carries a part name.
bodies = info.get("bodies", []) + [b for c in comps for b in c["bodies"]]
assert bodies, "no bodies"
for b in bodies:
    assert b["attributes"].get("DB_PART_NAME"), b
# The single-body handle is no parent: it stays as it is.
assert "P-把手-4" in names

# Drawings: one sheet per sub-assembly, one per part, the general arrangement last,
# each with four drawn views clear of its title block.
sheets = info["sheets"]
sheet_names = [s["name"] for s in sheets]
assert sheet_names[:3] == ["1-0组件-机架", "2-0组件-底座", "3-0组件-护罩"], sheet_names
for expected in ["1-1-立柱", "2-1-底板", "3-1-角板", "000-4-把手"]:
    assert expected in sheet_names, (expected, sheet_names)
assert sheet_names[-1] == "000-0-总图", sheet_names
for s in sheets:
    assert len(s["views"]) == 4, s["name"]
    note = s["notes"][0]
    left, top = note["position"]
    block = (left, top - sum(note["row_heights"]), left + sum(note["column_widths"]), top)
    for v in s["views"]:
        assert v["edges"]["visible"] > 0, (s["name"], v["name"])
        x0, y0, x1, y1 = v["box"]
        assert x1 <= block[0] or x0 >= block[2] or y1 <= block[1] or y0 >= block[3], (s["name"], v["name"], "title block")
column = [s for s in sheets if s["name"] == "1-1-立柱"][0]
cells = [c for row in column["notes"][0]["cells"] for c in row]
assert "方管(50X50X2.0-1200)-Q235" in cells and "立柱" in cells and "-1-1" in cells, cells

# Dimensions: every part sheet carries its overall sizes, none on an isometric view, and
# no text lies over another, over a view, over the title block or outside the frame.
for s in sheets:
    dims = s["dimensions"]
    if s["name"][0] in "0123456789" and "组件" not in s["name"] and "总图" not in s["name"]:
        assert any(dim["kind"] == "linear" for dim in dims), (s["name"], "no overall size")
    views = {v["name"]: v["box"] for v in s["views"]}
    note = s["notes"][0]
    left, top = note["position"]
    block = (left, top - sum(note["row_heights"]), left + sum(note["column_widths"]), top)
    def apart(a, b):
        return a[2] <= b[0] or b[2] <= a[0] or a[3] <= b[1] or b[3] <= a[1]
    for i, dim in enumerate(dims):
        assert dim["automatic"] and not dim["out_of_date"], dim
        assert "ISOMETRIC" not in dim["view"], (s["name"], dim)
        box = dim["text_box"]
        assert 25 <= box[0] and box[2] <= s["size"][0] - 5 and 5 <= box[1] and box[3] <= s["size"][1] - 5, (s["name"], dim)
        assert apart(box, block), (s["name"], dim["text"], "title block")
        for name, view in views.items():
            assert apart(box, view), (s["name"], dim["text"], name)
        for other in dims[:i]:
            assert apart(box, other["text_box"]), (s["name"], dim["text"], other["text"])
upright = [s for s in sheets if s["name"] == "1-1-立柱"][0]
assert [dim["text"] for dim in upright["dimensions"]] == ["1200"], upright["dimensions"]
bent = [s for s in sheets if s["name"] == "3-5-弯扁钢"][0]
assert any(dim["text"].startswith("展开长") for dim in bent["dimensions"]), bent["dimensions"]

# The PDF: a page per sheet, each of its sheet's size, the Chinese texts as written.
pages = int([l for l in open(os.path.join(d, "pdfinfo.txt")) if l.startswith("Pages:")][0].split()[1])
assert pages == len(sheets), (pages, len(sheets))
# pdftotext may split a run of glyphs where the font changes: compare without spaces.
text = open(os.path.join(d, "drawings.txt"), encoding="utf-8").read().replace(" ", "")
for expected in ["000-0-总图", "1-0组件-机架", "方管(50X50X2.0-1200)-Q235", "名称", "审核", "比例"]:
    assert expected in text, expected
PY
# A named sheet alone as SVG; a sheet that is not there is an error naming it.
"$fabdoc" render "$dir/P-总装-0.prt" "$dir/svg" --sheet "1-1-立柱" --format svg > /dev/null
test -s "$dir/svg/1-1-立柱.svg"
test "$(ls "$dir/svg" | wc -l)" = 1
if "$fabdoc" render "$dir/P-总装-0.prt" "$dir/svg" --sheet "9-9-无" 2> "$dir/err"; then exit 1; fi
grep -q "no sheet named \"9-9-无\"" "$dir/err"
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
    assert row[2] and row[3] and row[5], ("name, stock and material", row)
assert "立柱" in names and "底板" in names, names
PY

# DWG export: one file per sheet beside the assembly, read by LibreDWG and libdxfrw.
python3 - "$dir" "$here/tests/readers" <<'PY'
import json, os, subprocess, sys
d, readers = sys.argv[1], sys.argv[2]
sheets = [s["name"] for s in json.load(open(os.path.join(d, "info.json")))["sheets"]]
folder = os.path.join(d, "P-总装-0CAD工程图")
assert sorted(os.listdir(folder)) == sorted(n + ".dwg" for n in sheets), (os.listdir(folder), sheets)
for name in sheets:
    for script in ["read_dwg_libredwg.mjs", "read_dwg_libdxfrw.mjs"]:
        out = subprocess.run(["node", os.path.join(readers, script), os.path.join(folder, name + ".dwg")],
                             check=True, capture_output=True, text=True).stdout.strip().splitlines()[-1]
        r = json.loads(out)
        assert r["ok"] and not r["critical"], (name, script, r.get("errors"))
        layers = r["countsByLayer"]
        assert layers.get("轮廓") and layers.get("图框") and layers.get("文字"), (name, script, layers)
        texts = [t["text"] for t in r["texts"]]
        assert "名称" in texts and any(t.startswith(name) for t in texts), (name, script, texts[:20])
        if name == "1-1-立柱":
            dims = [(d["kind"], d["text"], d["layer"]) for d in r["dimensions"]]
            assert dims == [("linear", "1200", "尺寸")], (script, dims)
            if script == "read_dwg_libredwg.mjs":
                d = r["dimensions"][0]
                assert abs(d["measurement"] - 1200) < 1e-6 and abs(d["shown"] - 1200) < 1e-6, d
PY
# Part marks of the assembly sheets against the bill of materials and both DWG readers.
/usr/bin/python3 "$here/tests/journals/part_marks.py" "$dir" "$here/tests/readers"
echo "main job: ok"
