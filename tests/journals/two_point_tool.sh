#!/usr/bin/env bash
# End to end: the two-point tool on the example product adds one cylinder per Apply,
# refuses coincident points with its message, and the result survives a save.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
cat > "$dir/j.journal" <<'J'
open P-总装-0.prt
action TWO_CYL_tool
  set point0 0,0,0
  set point01 0,0,500
  set expression0 20
  apply
  set point01 0,0,0.01
  apply
  expect message "选择的两点小于建模公差，请重新选择"
  set point0 0,0,500
  set point01 0,0,0
  ok
save
J
run_journal "$dir/j.journal"
grep -q "^Initializing application$" "$dir/out" || fail "start-up did not initialise the application"
[ "$(grep -c '^message: ' "$dir/out")" = 1 ] || fail "expected exactly one message: $(cat "$dir/out")"

"$fabdoc" info "$dir/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, math, sys
bodies = json.load(open(sys.argv[1]))["bodies"]
# Two applies succeeded (0->500 and 500->0); the coincident one added nothing.
assert len(bodies) == 2, len(bodies)
volume = math.pi * 10**2 * 500  # 157079.6 mm^3
for b in bodies:
    assert abs(b["volume"] - volume) < 1e-6 * volume, b["volume"]
    for got, want in zip(b["box"], [-10, -10, 0, 10, 10, 500]):
        assert abs(got - want) < 1e-6, b["box"]
    assert b["faces"] == 3, b["faces"]
PY
echo "two-point tool: ok"
