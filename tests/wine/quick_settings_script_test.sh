#!/usr/bin/env bash
# The quick-settings action script through the demo program, on a printer of
# its own whose presets file is removed first; the screenshots of every
# dialog go to OUT_DIR.
#   quick_settings_script_test.sh SOURCE_DIR BIN_DIR WINE_PREFIX OUT_DIR
set -euo pipefail
root="$1"
bin="$2"
prefix="$3"
out="$4"
printer="VALMERO Quick Settings Script"
winpath() { printf 'Z:%s' "${1//\//\\}"; }
find "$prefix/drive_c/users" -path "*/VALMERO IT Co/$printer/DrvSettings.GPS" -delete 2>/dev/null || true
mkdir -p "$out"
rm -f "$out"/*.png
"$root/tools/wine-run.sh" --prefix "$prefix" "$bin/PrinterPreferences.exe" --printer "$printer" \
  --description "$(winpath "$root/install/PLQRDVXS.gpd")" --screenshots "$(winpath "$out")" \
  --actions "$(winpath "$root/host/demo/examples/quick-settings.txt")"
