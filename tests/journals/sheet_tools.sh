#!/usr/bin/env bash
# End to end: the sheet tools on the main job's sheets. Sheet numbers follow the names,
# the general arrangement's front view loses the frame's posts, its view from above shows
# the cross beam shaded cyan, the side view's edits are removed again, and the layer
# display leaves the sheet at 1:25 in its scale cell with the isometric view restyled;
# the rendered page shows the shade where it was put and nowhere else.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cp "$here/examples/main-job.journal" "$here/examples/sheet-tools.journal" "$dir/"
cd "$dir"
run_journal "$dir/main-job.journal"
run_journal "$dir/sheet-tools.journal"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
"$fabdoc" info "$dir/P-总装-0.prt" > "$dir/info.txt"
"$fabdoc" render "$dir/P-总装-0.prt" "$dir/drawn" --sheet "000-0-总图" > /dev/null
pdftoppm -r 50 "$dir/drawn/drawings.pdf" "$dir/page"
python3 - "$dir" <<'PY'
import glob, json, os, sys
d = sys.argv[1]
info = json.load(open(os.path.join(d, "info.json")))
sheets = info["sheets"]

def lead(name):
    head = name.split("-")[0]
    return int(head) if head.isdigit() else 0
# Layer-mode naming here (few names begin with two zeros): numbers by the leading number,
# equal numbers in the sheets' own order.
expected = [s["name"] for s in sorted(sheets, key=lambda s: lead(s["name"]))]
numbered = [s["name"] for s in sorted(sheets, key=lambda s: s["number"])]
assert numbered == expected, (numbered, expected)
assert sorted(s["number"] for s in sheets) == list(range(1, len(sheets) + 1))

ga = [s for s in sheets if s["name"] == "000-0-总图"][0]
assert ga["ratio"] == [1, 25], ga.get("ratio")
cells = ga["notes"][0]["cells"]
assert cells[0][4] == "比例" and cells[0][5] == "1:25", cells[0]
views = {v["name"]: v for v in ga["views"]}
erased = views["FRONT@77"]["erased"]
assert [b["name"] for b in erased] == ["立柱"] * 4, erased
shaded = views["ORTHO@78"]["shade_edits"]
assert [(b["name"], b["color_name"], b["transparency"]) for b in shaded] == [("横梁", "Cyan", 95)], shaded
assert "erased" not in views["ORTHO@79"] and "shade_edits" not in views["ORTHO@79"], views["ORTHO@79"]
assert views["ISOMETRIC@80"]["hidden_line_font"] == 0 and views["ISOMETRIC@80"]["shading_style"] == 0
text = open(os.path.join(d, "info.txt"), encoding="utf-8").read()
assert "scale 0.04 (1:25)" in text and "erased body" in text and "shaded body" in text and "Cyan, 95% transparent" in text

# The page: pixels tinted (not white, not grey) inside the view from above, none in the side view.
page = glob.glob(os.path.join(d, "page*.ppm"))[0]
raw = open(page, "rb").read()
parts = raw.split(b"\n", 3)
width, height = map(int, parts[1].split())
pixels = parts[3]
per_mm = 50 / 25.4
def tinted(box):
    x0, y0, x1, y1 = box
    count = 0
    for y in range(int((ga["size"][1] - y1) * per_mm), int((ga["size"][1] - y0) * per_mm)):
        for x in range(int(x0 * per_mm), int(x1 * per_mm)):
            r, g, b = pixels[3 * (y * width + x): 3 * (y * width + x) + 3]
            count += r < g - 20 and r < b - 20
    return count
assert tinted(views["ORTHO@78"]["box"]) > 20, "the shaded cross beam"
assert tinted(views["ORTHO@79"]["box"]) == 0, "the side view's edits were removed"
PY
