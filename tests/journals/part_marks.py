"""Part marks of the main job's assembly sheets, read back independently: every mark of a
sub-assembly sheet stands for a row of the bill of materials (openpyxl reads the
drawing number and the part name), every BOM row of that sub-assembly is marked, the
general arrangement marks its sub-assemblies; no two leaders cross, no balloon covers a
text, a view or the title block; both DWG readers find the marks' numbers on 尺寸."""
import json, os, subprocess, sys

import openpyxl

d, readers = sys.argv[1], sys.argv[2]
info = json.load(open(os.path.join(d, "info.json")))
prefix = info["attributes"]["DB_PART_NO"]
bom = openpyxl.load_workbook(os.path.join(d, "P-总装-0.xlsx"))["明细表"]
rows, r = {}, 4
while bom.cell(r, 1).value is not None:
    rows[str(bom.cell(r, 2).value)] = bom.cell(r, 3).value
    r += 1


def cross(a, b):
    def turn(o, p, q):
        return (p[0] - o[0]) * (q[1] - o[1]) - (p[1] - o[1]) * (q[0] - o[0])
    p1, p2, q1, q2 = a[:2], a[2:], b[:2], b[2:]
    return turn(q1, q2, p1) * turn(q1, q2, p2) < 0 and turn(p1, p2, q1) * turn(p1, p2, q2) < 0


def apart(a, b):
    return a[2] <= b[0] or b[2] <= a[0] or a[3] <= b[1] or b[3] <= a[1]


sheets = {s["name"]: s for s in info["sheets"]}
for name, s in sheets.items():
    marks = s["part_marks"]
    if "组件" not in name and "总图" not in name:
        assert not marks, (name, "a part sheet has no part marks")
        continue
    assert marks, (name, "no part marks")
    texts = [m["text"] for m in marks]
    assert len(texts) == len(set(texts)), (name, "one mark per part", texts)
    note = s["notes"][0]
    left, top = note["position"]
    block = (left, top - sum(note["row_heights"]), left + sum(note["column_widths"]), top)
    others = [dim["text_box"] for dim in s["dimensions"]]
    for i, m in enumerate(marks):
        assert m["drawing_number"] == prefix + "-" + m["text"], (name, m)
        box = m["text_box"]
        assert apart(box, block), (name, m["text"], "title block")
        assert 25 <= box[0] and box[2] <= s["size"][0] - 5 and 5 <= box[1] and box[3] <= s["size"][1] - 5, (name, m)
        for v in s["views"]:
            assert apart(box, v["box"]), (name, m["text"], v["name"])
        for other in others:
            assert apart(box, other), (name, m["text"], "over a dimension")
        for other in marks[:i]:
            assert apart(box, other["text_box"]), (name, m["text"], other["text"])
            assert not cross(m["leader"], other["leader"]), (name, "leaders cross", m["text"], other["text"])
    if "组件" in name:
        number = name.split("-")[0]
        for m in marks:
            assert rows.get(m["drawing_number"]) == m["part_name"], (name, m, "not the BOM's")
        own = {n for n in rows if n.startswith(prefix + "-" + number + "-")}
        marked = {m["drawing_number"] for m in marks}
        assert own <= marked, (name, "BOM rows without a mark", own - marked)
general = sheets["000-0-总图"]
assert sorted(m["text"] for m in general["part_marks"]) == ["1", "2", "3", "4"], general["part_marks"]

frame = sheets["1-0组件-机架"]
for script in ["read_dwg_libredwg.mjs", "read_dwg_libdxfrw.mjs"]:
    dwg = os.path.join(d, "P-总装-0CAD工程图", "1-0组件-机架.dwg")
    out = subprocess.run(["node", os.path.join(readers, script), dwg], check=True, capture_output=True,
                         text=True).stdout.strip().splitlines()[-1]
    r = json.loads(out)
    on_layer = [t["text"] for t in r["texts"] if t["layer"] == "尺寸"]
    for m in frame["part_marks"]:
        assert m["text"] in on_layer, (script, m["text"], on_layer)
    assert r["countsByLayer"]["尺寸"]["CIRCLE"] >= len(frame["part_marks"]), (script, r["countsByLayer"])
