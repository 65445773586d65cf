#!/usr/bin/env bash
# End to end: the attribute writer measures a bent plate and a plate of the example
# product on their flat blanks; `fabdoc flat` writes their cutting files, which ezdxf
# audits clean and whose outlines match the envelope the attribute writer wrote.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cat > "$dir/flat.journal" <<'J'
open P-总装-0.prt
action attrV2
  select blockxuanzhe body:P-护罩-3/角板
  set blockgunge "钢板,折弯,一"
  set blockPartName "角板"
  set blockPartNo "P-3-1"
  apply
  select blockxuanzhe body:P-底座-2/底板
  set blockgunge "钢板"
  set blockPartName "底板"
  set blockPartNo "P-2-1"
  apply
  select blockxuanzhe body:P-机架-1/立柱#1
  set blockgunge "方管"
  set blockPartName "立柱"
  set blockPartNo "P-1-1"
  apply
  cancel
save all
J
run_journal "$dir/flat.journal" "$dir/run.out"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
"$fabdoc" flat "$dir/P-总装-0.prt" "$dir/dxf" > "$dir/flat.out"

/usr/bin/python3 - "$dir" "$here/tests/readers/read_dxf_ezdxf.py" <<'PY'
import json, math, os, subprocess, sys
d, reader = sys.argv[1], sys.argv[2]
info = json.load(open(os.path.join(d, "info.json")))
def walk(components):
    for c in components:
        yield c
        yield from walk(c["components"])
envelope = {}
for c in walk(info["components"]):
    for b in c["bodies"]:
        a = b["attributes"]
        if a.get("DB_PART_NO") and a.get("DATE"):
            envelope[a["DB_PART_NO"]] = a["DATE"]
files = sorted(os.listdir(os.path.join(d, "dxf")))
# Plates only: the square tube made to drawing gets no cutting file.
assert files == ["P-2-1.dxf", "P-3-1.dxf"], files
def read(name):
    out = subprocess.run([sys.executable, reader, os.path.join(d, "dxf", name)], check=True,
                         capture_output=True, text=True).stdout.strip().splitlines()[-1]
    return json.loads(out)
for name in files:
    r = read(name)
    assert r["ok"] and r["version"] == "AC1015", r
    assert r["auditErrors"] == [], (name, r["auditErrors"])
    number = name[:-4]
    # DATE is "t,d1-d2-t,mass" with the blank's extents rounded to whole millimetres.
    d1, d2 = (float(v) for v in envelope[number].split(",")[1].split("-")[:2])
    e = r["extents"]
    w, h = e["max"][0] - e["min"][0], e["max"][1] - e["min"][1]
    assert abs(min(w, h) - min(d1, d2)) <= 0.5 and abs(max(w, h) - max(d1, d2)) <= 0.5, (name, w, h, envelope[number])
bent = read("P-3-1.dxf")
# One bend of 90 degrees, t = r = 3, flats 100 + 150: 250 + (pi/2)(3 + 0.33 * 3) long, 300 wide.
e = bent["extents"]
w, h = e["max"][0] - e["min"][0], e["max"][1] - e["min"][1]
length = 250 + math.pi / 2 * (3 + 0.33 * 3)
assert abs(min(w, h) - length) <= 0.1 and abs(max(w, h) - 300) <= 0.1, (w, h, length)
assert bent["countsByLayer"]["BEND"] == {"LINE": 1, "TEXT": 1}, bent["countsByLayer"]
assert bent["texts"][0]["text"] == "90%%d R3", bent["texts"]
assert bent["countsByLayer"]["OUTER"] == {"LINE": 4}, bent["countsByLayer"]
PY
grep -q "P-3-1.dxf" "$dir/flat.out"
echo "flat blanks: ok"
