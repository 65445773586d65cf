# The set-up every end-to-end journal script shares; sourced with fabdoc's path:
#   source "$(dirname "${BASH_SOURCE[0]}")/lib/setup.sh" "$1"
# gives `fabdoc`, `here` (the project's root), `dir` (a scratch folder removed on exit),
# `fail MESSAGE`, `example_frame [FOLDER]` and `run_journal JOURNAL [OUT]`.
set -euo pipefail
fabdoc="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The example frame product, in FOLDER or the scratch folder.
example_frame() { "$fabdoc" example frame "${1:-$dir}" >/dev/null; }

# Runs a journal, its standard output into OUT ("$dir/out" unless given) and its errors
# into OUT.err; a failed run fails the script showing both.
run_journal() {
  local out="${2:-$dir/out}"
  "$fabdoc" run "$1" > "$out" 2> "$out.err" || fail "journal $(basename "$1") failed: $(cat "$out" "$out.err")"
}
