#!/usr/bin/env bash
# Two benchmark rounds through the demo program write JSON with every key a
# script comparing runs reads, and figures that were really measured.
#   benchmark_json_test.sh SOURCE_DIR BIN_DIR WINE_PREFIX
set -euo pipefail
root="$1"
bin="$2"
prefix="$3"

winpath() { printf 'Z:%s' "${1//\//\\}"; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$root/tools/wine-run.sh" --prefix "$prefix" "$bin/PrinterPreferences.exe" \
  --description "$(winpath "$root/install/PLQRDVXS.gpd")" --benchmark 2 \
  --benchmark-json "$(winpath "$work/benchmark.json")"

python3 - "$work/benchmark.json" <<'PY'
import json, sys
figures = json.load(open(sys.argv[1]))
problems = []
def need(ok, what):
    if not ok: problems.append(what)
need(figures.get("rounds") == 2, "rounds is not 2")
need(figures.get("pages") == 5, "pages is not 5")
for key in ("cold_open_ms", "floor_ms", "empty_floor_ms"):
    spread = figures.get(key, {})
    need(all(isinstance(spread.get(k), (int, float)) and spread[k] > 0 for k in ("median", "min", "max")),
         key + " lacks a positive median, min or max")
need(isinstance(figures.get("ratio"), (int, float)) and figures["ratio"] > 0, "no ratio")
phases = figures.get("phases_ms", {})
for phase in ["load_devmode", "common_ui_prop", "init", "sheet_window"] + [
        "page%d_%s" % (n, part) for n in range(1, 6) for part in ("initdialog", "paint")]:
    need(phase in phases, "phase " + phase + " missing")
trips = figures.get("round_trip_ms", {})
for action in ("paper_size", "pages_per_sheet", "zoom", "preview_repaint"):
    trip = trips.get(action, {})
    need(0 < trip.get("p50", 0) <= trip.get("p95", 0), "round trip " + action + " lacks p50 <= p95")
for key in ("gdi_objects", "user_objects", "private_bytes", "heap_bytes", "lowest_free_tls_index"):
    need("before" in figures.get(key, {}) and "after" in figures.get(key, {}), key + " lacks before or after")
need(figures["gdi_objects"]["before"] > 0 and figures["private_bytes"]["after"] > 0, "no objects or bytes counted")
if problems:
    sys.exit("benchmark_json_test: " + "; ".join(problems))
print("benchmark_json_test: passed")
PY
