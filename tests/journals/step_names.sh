#!/usr/bin/env bash
# End to end: a STEP file whose component instances carry OCCT's label placeholders, or
# an id with a blank name, imports with the products' names as instance names, and a
# journal selects bodies through them.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
"$fabdoc" export "$dir/P-总装-0.prt" "$dir/out.step" >/dev/null
# As another OCCT-based program or another system writes the instances.
python3 - "$dir/out.step" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
n = 0
def rename(m):
    global n
    n += 1
    if m.group(2) == "fabdoc-own-bodies":
        return m.group(0)
    if n % 2:
        return "NEXT_ASSEMBLY_USAGE_OCCURRENCE('%s','=>[0:1:1:%d]'," % (m.group(1), n)
    return "NEXT_ASSEMBLY_USAGE_OCCURRENCE('NAUO%d',' '," % n
text, count = re.subn(r"NEXT_ASSEMBLY_USAGE_OCCURRENCE\('([^']*)','([^']*)',", rename, text)
assert count >= 4, count
assert "P-机架-1'," not in text.split("NEXT_ASSEMBLY_USAGE_OCCURRENCE")[1]
open(path, "w", encoding="utf-8").write(text)
PY
mkdir "$dir/in"
"$fabdoc" import "$dir/out.step" "$dir/in" >/dev/null || fail "import failed"

cat > "$dir/in/j.journal" <<'J'
open P-总装-0.prt
action attrV2
  select blockxuanzhe body:P-机架-1/立柱#1 body:P-底座-2/底板
  print blockxuanzhe
  cancel
J
run_journal "$dir/in/j.journal"
grep -q 'blockxuanzhe = \["立柱" (tag [0-9]*), "底板" (tag [0-9]*)\]' "$dir/out" || fail "selection: $(cat "$dir/out")"

"$fabdoc" info "$dir/in/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, sys
comps = json.load(open(sys.argv[1]))["components"]
names = [c["instance"] for c in comps]
assert names == ["P-机架-1", "P-底座-2", "P-护罩-3", "P-把手-4"], names
PY
