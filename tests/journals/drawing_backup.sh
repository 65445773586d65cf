#!/usr/bin/env bash
# End to end: the drawing dialog's backup (job 1) on a fresh example product copies the
# assembly and its components into "P-总装-0(备份)" and renames the working files behind
# the prefix BF. A fresh run opens the renamed assembly with every component found and
# renames one component (job 2); a third process finds that one as well.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame
# The folder as the host names it, quoted for the journal: "/tmp/x" -> "\\tmp\\x\\".
host="$(printf '%s' "$dir" | sed 's|/|\\\\|g')"
cat > "$dir/backup.journal" <<EOF
open P-总装-0.prt
action drawing
  set enum0 1
  set filepath_lujin "$host\\\\"
  set ming_qz "BF"
  apply
  cancel
EOF
run_journal "$dir/backup.journal" "$dir/out1"
grep -q "^message:" "$dir/out1" && fail "the backup said: $(grep '^message:' "$dir/out1")"
for stem in 总装-0 机架-1 底座-2 护罩-3 把手-4; do
  test -f "$dir/P-总装-0(备份)/P-$stem.prt" || fail "no backup copy P-$stem.prt"
  test ! -e "$dir/P-$stem.prt" || fail "old working file P-$stem.prt left"
  test -f "$dir/BF-$stem.prt" || fail "no renamed file BF-$stem.prt"
done

# A fresh process: the renamed assembly and every component, then job 2 on the handle.
cat > "$dir/rename.journal" <<'EOF'
open BF-总装-0.prt
action drawing
  set enum0 2
  select selection0 component:P-把手-4
  expect ming_new "BF-把手-4"
  set tuhao_new "BF-HANDLE-4"
  apply
  cancel
EOF
run_journal "$dir/rename.journal" "$dir/out2"
grep -q "not found" "$dir/out2.err" && fail "components missing on reopening: $(cat "$dir/out2.err")"
grep -q "^message:" "$dir/out2" && fail "the rename said: $(grep '^message:' "$dir/out2")"
test -f "$dir/BF-HANDLE-4.prt" || fail "no BF-HANDLE-4.prt"
test ! -e "$dir/BF-把手-4.prt" || fail "BF-把手-4.prt left"

# A third process reads the assembly from disk: every component loaded with its bodies.
"$fabdoc" info "$dir/BF-总装-0.prt" --json > "$dir/info.json" 2> "$dir/err3"
grep -q "not found" "$dir/err3" && fail "components missing: $(cat "$dir/err3")"
python3 - "$dir/info.json" <<'PY'
import json, os, sys
info = json.load(open(sys.argv[1]))
parts = {os.path.basename(c["part"]): c for c in info["components"]}
expected = {"BF-机架-1.prt": 9, "BF-底座-2.prt": 7, "BF-护罩-3.prt": 6, "BF-HANDLE-4.prt": 1}
assert sorted(parts) == sorted(expected), sorted(parts)
for name, bodies in expected.items():
    c = parts[name]
    assert c.get("loaded", True), name
    assert len(c["bodies"]) == bodies, (name, len(c["bodies"]))
PY
# The backup stands on its own: its assembly opens from the backup folder.
"$fabdoc" info "$dir/P-总装-0(备份)/P-总装-0.prt" --json > "$dir/backup.json" 2> "$dir/err4"
grep -q "not found" "$dir/err4" && fail "backup incomplete: $(cat "$dir/err4")"
python3 - "$dir/backup.json" <<'PY'
import json, os, sys
info = json.load(open(sys.argv[1]))
for c in info["components"]:
    assert "(备份)" in c["part"], c["part"]
    assert c.get("loaded", True) and c["bodies"], c["part"]
PY
echo ok
