#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix.
#   wine-run.sh --prefix DIR program.exe [args...]
# Creates the prefix on first use (once, under a lock, offline: no Mono or
# Gecko), maps the font names the product uses to metric-compatible faces,
# keeps Wine quiet unless WINEDEBUG is set, and starts a virtual display when
# none is there.
set -euo pipefail

prefix=""
if [ "${1:-}" = "--prefix" ]; then prefix="$2"; shift 2; fi
[ -n "$prefix" ] || prefix="${WINEPREFIX:-$(pwd)/wineprefix}"
mkdir -p "$prefix"
prefix="$(cd "$prefix" && pwd)"

# Without a display, everything below (the Wine server and its desktop
# included) runs on one virtual display, so the desktop the server starts and
# the program's windows see the same X server.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --prefix "$prefix" "$@"
fi

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

(
  flock 9
  if [ ! -f "$prefix/.plqr-ready-2" ]; then
    echo "wine-run: preparing prefix $prefix" >&2
    wineboot -i >/dev/null 2>&1 </dev/null || true
    key='HKCU\Software\Wine\Fonts\Replacements'
    for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
      wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1 </dev/null || true
    done
    # No window manager runs on the virtual display: Wine waits about two
    # seconds for one whenever a managed top-level window goes away. Programs
    # that show windows to a person ask for management themselves.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null || true
    wineserver -k || true
    wineserver -w || true
    touch "$prefix/.plqr-ready-2"
  fi
) 9>"$prefix.lock"

# Start the server and Wine's own service processes detached from our output:
# they outlive the program, and must never hold a caller's pipe open.
wineserver -p 30 </dev/null >/dev/null 2>&1 || true
wineboot </dev/null >/dev/null 2>&1 || true

# The program's output goes through a file for the same reason (anything it
# starts in the background inherits that file, not the caller's pipe), and is
# streamed from there while it runs.
log="$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")"
trap 'rm -f "$log"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT
wine "$@" </dev/null >"$log" 2>&1 &
pid=$!
tail -n +1 -f --pid="$pid" "$log"
status=0
wait "$pid" || status=$?
pid=""
exit "$status"
