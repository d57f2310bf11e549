#!/usr/bin/env bash
# The README's example action script passes through the demo program, with the
# stand-in's own sheet manager and with the platform's (compstui.dll); the
# same script with one wrong expectation fails with exit status 3 and names
# its file and line.
#   example_script_test.sh SOURCE_DIR BIN_DIR WINE_PREFIX
set -euo pipefail
root="$1"
bin="$2"
prefix="$3"

winpath() { printf 'Z:%s' "${1//\//\\}"; }
run() {
  local script="$1"
  shift
  "$root/tools/wine-run.sh" --prefix "$prefix" "$bin/PrinterPreferences.exe" \
    --description "$(winpath "$root/install/PLQRDVXS.gpd")" --actions "$(winpath "$script")" "$@"
}
fail() {
  echo "example_script_test: $*" >&2
  exit 1
}

example="$root/host/demo/examples/two-up-letter.txt"
run "$example" || fail "the example script failed (status $?)"
run "$example" --sheet-manager platform || fail "the example script failed through compstui (status $?)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
wrong="$work/two-up-letter.txt"
line="$(grep -n '^expect public.dmPaperSize 1$' "$example" | cut -d: -f1)"
[ -n "$line" ] || fail "the example has no line 'expect public.dmPaperSize 1'"
sed "${line}s/ 1\$/ 9/" "$example" >"$wrong"

status=0
output="$(run "$wrong" 2>&1)" || status=$?
echo "$output"
[ "$status" -eq 3 ] || fail "a wrong expectation ended with status $status, not 3"
case "$output" in
  *"two-up-letter.txt:$line: expected public.dmPaperSize 9, got 1"*) ;;
  *) fail "the failure does not name line $line of the script" ;;
esac
echo "example_script_test: passed"
