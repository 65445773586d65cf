#!/usr/bin/env bash
# End to end: the example product drawn in layer mode by examples/layer-mode.journal.
# Every numbered component gets its band of layers, every drawing part a layer in it and
# a sheet whose views show that layer only; the general arrangement shows layers 90 and
# 100 to 249. The sheets render to PNG pages.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cp "$here/examples/layer-mode.journal" "$dir/"
run_journal "$dir/layer-mode.journal"
grep -q "^message: 图层模式$" "$dir/out"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir" <<'PY'
import json, os, sys
d = sys.argv[1]
info = json.load(open(os.path.join(d, "info.json")))
comps = {c["name"]: c for c in info["components"]}
sheets = info["sheets"]
names = [s["name"] for s in sheets]
assert names[-1] == "0-总图-000", names

# Component N (file ...-NAME-N) sits on L0 = 100 + 15 (N - 1); its sheet L0-NAME-N.
bands = {"P-机架-1": 100, "P-底座-2": 115, "P-护罩-3": 130, "P-把手-4": 145}
for stem, first in bands.items():
    c = comps[stem]
    assert c["layer"] == first, (stem, c["layer"])
    name, number = stem.split("-")[1:]
    assert "%d-%s-%s" % (first, name, number) in names, (stem, names)
    # Each made-to-drawing body is numbered KZT01-N-n. The first body of each name
    # numbered for this component sits on L0 + n and has the sheet L0+n-NAME-N-n; later
    # bodies of the name, and bodies numbered for another component, sit on L0.
    seen = set()
    for b in c["bodies"]:
        a = b["attributes"]
        if a.get("REMARK") != "按图制作":
            continue
        no = a["DB_PART_NO"]
        prefix, comp_no, n = no.rsplit("-", 2)
        n = int(n)
        assert prefix == "KZT01" and 1 <= n <= 14, (stem, no)
        if comp_no != number or a["DB_PART_NAME"] in seen:
            assert b["layer"] == first, (stem, b["name"], b["layer"], no)
            continue
        seen.add(a["DB_PART_NAME"])
        assert b["layer"] == first + n, (stem, b["name"], b["layer"], no)
        assert "%d-%s%s" % (first + n, a["DB_PART_NAME"], no[no.index("-"):]) in names, (no, names)

# Views: a component sheet shows its band, a part sheet its own layer, the general
# arrangement 90 and 100..249; every view draws something.
for s in sheets:
    layer = int(s["name"].split("-")[0])
    comp = [stem for stem, first in bands.items() if first == layer]
    if s["name"] == "0-总图-000":
        expected = [90] + list(range(100, 250))
        assert s["size"] == [420, 297]
    elif comp:
        expected = list(range(layer, layer + 15))
        assert s["size"] == [420, 297], s["name"]
    else:
        expected = [layer]
        assert s["size"] == [210, 297], s["name"]
    assert len(s["views"]) == 4, s["name"]
    for v in s["views"]:
        assert v["layers"] == expected, (s["name"], v["name"], v["layers"][:5])
        assert v["edges"]["visible"] > 0 and not v["out_of_date"], (s["name"], v["name"])
print(len(sheets), "sheets")
PY
python3 "$here/tests/journals/sheet_layout.py" "$dir/info.json" > /dev/null  # inside the frame, as laid out
"$fabdoc" render "$dir/P-总装-0.prt" "$dir/png" --format png > /dev/null
count=$(python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["sheets"]))' "$dir/info.json")
test "$(ls "$dir/png"/*.png | wc -l)" = "$count"
echo "layer mode: ok"
