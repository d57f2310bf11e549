#!/usr/bin/env bash
# The main job (make demo): opens the printing preferences of the simulated
# VALMERO printer with the real plug-in, through the core-driver stand-in
# (build/win/bin/PrinterPreferences.exe) in the build's Wine prefix.
#   - No display (DISPLAY unset) or --headless: the sheet opens on a virtual
#     display; a PNG of every page and settings.json go to out/demo/, and the
#     path of each file written is printed.
#   - With a display: the sheet opens in a window for a person; settings.json
#     is written when it is closed.
# Further arguments go to the program, e.g. --actions FILE, --sheet printer,
# --no-permission, --benchmark 10 (see PrinterPreferences.exe --help).
# PLQR_BUILD_DIR names another cross build than build/win.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PLQR_BUILD_DIR:-$root/build/win}"
exe="$build/bin/PrinterPreferences.exe"
prefix="$build/wineprefix"
out="$root/out/demo"

if [ ! -f "$exe" ]; then
  echo "demo: $exe is missing; run 'make build-win' first" >&2
  exit 1
fi

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
args=()
for arg in "$@"; do
  if [ "$arg" = "--headless" ]; then headless=1; else args+=("$arg"); fi
done

# Wine sees the Unix root as drive Z:.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

mkdir -p "$out"
rm -f "$out"/*.png "$out/settings.json"

mode=(--screenshots "$(winpath "$out")")
if [ "$headless" = 1 ]; then
  # Headless even beside a display: the runner starts a virtual one.
  unset DISPLAY
else
  mode=(--interactive)
  echo "demo: opening the printing preferences in a window; close it to finish"
fi

status=0
"$root/tools/wine-run.sh" --prefix "$prefix" "$exe" \
  --description "$(winpath "$root/install/PLQRDVXS.gpd")" \
  --settings "$(winpath "$out/settings.json")" \
  "${mode[@]}" ${args[@]+"${args[@]}"} >"$out/run.log" 2>&1 || status=$?

# The program names what it wrote as Windows paths; show them as Unix paths.
while IFS= read -r line; do
  line="${line%$'\r'}"
  case "$line" in
    "wrote Z:"*) path="${line#wrote Z:}"; echo "${path//\\//}" ;;
    "X connection to"*) ;;
    *) echo "$line" ;;
  esac
done <"$out/run.log"
rm -f "$out/run.log"
exit "$status"
