#!/usr/bin/env bash
# End to end: the example product is written, opened by a journal, saved, and reads back
# with every component and body; bad input is refused naming what was wrong.
source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"

example_frame "$dir/frame"
cat > "$dir/frame/j.journal" <<'J'
open P-总装-0.prt
save all
close all
open P-总装-0.prt
J
run_journal "$dir/frame/j.journal"

"$fabdoc" info "$dir/frame/P-总装-0.prt" --json > "$dir/info.json"
python3 - "$dir/info.json" <<'PY'
import json, sys
info = json.load(open(sys.argv[1]))
comps = info["components"]
names = [c["instance"] for c in comps]
assert names == ["P-机架-1", "P-底座-2", "P-护罩-3", "P-把手-4"], names
bodies = sum(len(c["bodies"]) for c in comps)
assert bodies == 9 + 7 + 6 + 1, bodies
tube = next(b for b in comps[0]["bodies"] if b["name"] == "立柱")
assert abs(tube["volume"] - (50*50 - 46*46) * 1200) < 1e-3 * tube["volume"], tube["volume"]
assert any(b["layer"] == 171 for b in comps[0]["bodies"])
# Paths a shell on this machine takes, the host's own form beside them.
import os
assert os.path.isfile(info["file"]), info["file"]
assert info["hostFile"].endswith("\\P-总装-0.prt") and "/" not in info["hostFile"], info["hostFile"]
for c in comps:
    assert os.path.isfile(c["part"]), c["part"]
    assert c["hostPart"].endswith("\\" + os.path.basename(c["part"])), c["hostPart"]
PY

# A corrupt part file is refused naming it, with a non-zero exit.
head -c 100 "$dir/frame/P-机架-1.prt" > "$dir/bad.prt"
if "$fabdoc" info "$dir/bad.prt" 2> "$dir/err"; then fail "a truncated part was accepted"; fi
grep -q "bad.prt" "$dir/err" || fail "the error does not name the file: $(cat "$dir/err")"

# A wrong journal line stops the run naming the line.
printf 'open P-总装-0.prt\nfrobnicate\n' > "$dir/frame/bad.journal"
if "$fabdoc" run "$dir/frame/bad.journal" 2> "$dir/err"; then fail "a wrong journal line was accepted"; fi
grep -q "bad.journal:2" "$dir/err" || fail "the error does not name the line: $(cat "$dir/err")"
echo "example product: ok"
