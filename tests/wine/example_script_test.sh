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
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run "$example" --sheet-manager platform --settings "$(winpath "$work/settings.json")" ||
  fail "the example script failed through compstui (status $?)"
grep -q '"dmPaperSize": 1,' "$work/settings.json" || fail "compstui's run wrote no Letter paper into the settings"

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
