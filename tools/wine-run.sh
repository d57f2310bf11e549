#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix.
#   wine-run.sh --prefix DIR program.exe [args...]
# Creates the prefix on first use (once, under a lock, offline: no Mono or
# Gecko; a failure stops the run and leaves no ready marker), maps the font names the product uses to metric-compatible faces,
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

# The prefix is made once, under a lock: a step that fails stops here with
# its message, and the ready marker is written only after every step.
marker="$prefix/.plqr-ready-3"
(
  flock 9
  if [ ! -f "$marker" ]; then
    echo "wine-run: preparing prefix $prefix" >&2
    fail() { echo "wine-run: cannot prepare the prefix $prefix: $1" >&2; exit 1; }
    wineboot -i >/dev/null 2>&1 </dev/null || fail "wineboot -i failed"
    wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' >/dev/null 2>&1 </dev/null ||
      fail "the prefix has no registry after wineboot"
    key='HKCU\Software\Wine\Fonts\Replacements'
    for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
      wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1 </dev/null ||
        fail "cannot map the font ${pair%%=*}"
    done
    # No window manager runs on the virtual display: Wine waits about two
    # seconds for one whenever a managed top-level window goes away, so
    # windows are unmanaged in this prefix. The demo program is the one a
    # person uses on a real display: its windows ask for the window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null ||
      fail "cannot set the window-manager setting"
    wine reg add 'HKCU\Software\Wine\AppDefaults\PrinterPreferences.exe\X11 Driver' /v Managed /t REG_SZ \
      /d Y /f >/dev/null 2>&1 </dev/null || fail "cannot set the demo program's window-manager setting"
    # Stop the server and the services wineboot started (waiting for them
    # instead would wait for ever on the device services), so that the
    # registry is written out before the marker says the prefix is ready.
    wineserver -k 2>/dev/null </dev/null || echo "wine-run: no server to stop" >&2
    touch "$marker"
  fi
) 9>"$prefix.lock"

# Keep the server for a while between runs; it is started detached from our
# output, since it outlives the program and must never hold a caller's pipe.
# Status 2 says it is running already.
server=0
wineserver -p 30 </dev/null >/dev/null 2>&1 || server=$?
if [ "$server" -ne 0 ] && [ "$server" -ne 2 ]; then
  echo "wine-run: the Wine server of $prefix does not start (status $server)" >&2
  exit 1
fi

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
