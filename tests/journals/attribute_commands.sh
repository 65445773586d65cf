#!/usr/bin/env bash
# End to end: on the example product the attribute writer numbers a plate; the check
# counts and shows; the drawing-number rewrite changes the leading segment and marks the
# components; the restore resets the number, removal strips a body; all survive a save.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cat > "$dir/j.journal" <<'J'
open P-总装-0.prt
action attrV2
  select blockxuanzhe body:P-底座-2/盖板#1
  set blockgunge "钢板"
  set blockPartName "盖板"
  set blockPartNo "A12-2-5"
  apply
  cancel
action attr_jiancha
  set blocktoggle_wu true
  set colorPicker_wu 55
  select blockxuanzhe body:P-底座-2/盖板#1 body:P-底座-2/底板
  expect blockwu "1"
  expect blockgai "0"
  apply
  cancel
action tuhao_xiegai
  set stringss_qian "A"
  set stringss_hou "B"
  ok
save all
J
run_journal "$dir/j.journal"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, sys
comps = {c["instance"]: c for c in json.load(open(sys.argv[1]))["components"]}
base = comps["P-底座-2"]
plates = [b for b in base["bodies"] if b["name"] == "盖板"]
assert [p["attributes"]["DB_PART_NO"] for p in plates] == ["B-2-5", "B-2-5"], plates
assert plates[0]["blanked"], "checked and in order: hidden"
bottom = next(b for b in base["bodies"] if b["name"] == "底板")
assert not bottom["blanked"] and bottom["color"] == 55, bottom
assert base["attributes"] == {"DB_PART_NO": "底座-2", "DB_PART_NAME": "P"}, base["attributes"]
PY

cat > "$dir/k.journal" <<'J'
open P-总装-0.prt
action delete_attr
  set toggle_qian true
  apply
  set toggle_delete true
  set toggle_qian false
  select selection0 body:P-底座-2/盖板#2
  ok
save all
J
run_journal "$dir/k.journal"
"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, sys
comps = {c["instance"]: c for c in json.load(open(sys.argv[1]))["components"]}
plates = [b for b in comps["P-底座-2"]["bodies"] if b["name"] == "盖板"]
assert plates[0]["attributes"]["DB_PART_NO"] == "1", plates[0]
assert plates[0]["attributes"]["DB_PART_NAME"] == "盖板"
assert plates[1]["attributes"] == {}, plates[1]
PY
echo "attribute commands: ok"
