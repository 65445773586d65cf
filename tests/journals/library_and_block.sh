#!/usr/bin/env bash
# End to end: the standard-part library imports the built M16 nut at an orientation and
# moves it with the orientation; the block with drag handles adds an opaque block. Both
# survive a save, read back by `fabdoc info`.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

cat > "$dir/j.journal" <<'J'
new work.prt
action wucanku
  menu tree_control0 "全部展开"
  set manip0.Origin 500,0,0
  select tree_control0 node:螺母/M16.prt
  set manip0.Origin 500,200,0
  ok
action boark
  set manip0.Origin 0,0,-300
  set dim_X2 20
  ok
save
J
run_journal "$dir/j.journal"
grep -q "^message: " "$dir/out" && fail "no message expected: $(cat "$dir/out")"

"$fabdoc" info "$dir/work.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, math, sys
bodies = json.load(open(sys.argv[1]))["bodies"]
assert len(bodies) == 2, len(bodies)
nut, block = bodies
# ISO 4032 M16: across flats 24, height 14.8, moved to (500, 200, 0).
corner = 24 / math.sqrt(3)
for got, want in zip(nut["box"], [500 - 12, 200 - corner, 0, 500 + 12, 200 + corner, 14.8]):
    assert abs(got - want) < 1e-6, nut["box"]
area = math.sqrt(3) / 2 * 24**2 - math.pi * 8**2
assert abs(nut["volume"] - area * 14.8) < 1e-3 * area * 14.8, nut["volume"]
for got, want in zip(block["box"], [0, 0, -300, 120, 100, -200]):
    assert abs(got - want) < 1e-6, block["box"]
PY
echo "library and block: ok"
