#!/usr/bin/env bash
# Runs a command on a private virtual X server (Xvfb on a free display) and stops the server
# afterwards. The command sees DISPLAY and MEVRIK_XVFB=1. MEVRIK_XVFB_SCREEN sets the screen's
# size (800x400 unless set; a window at QT_SCALE_FACTOR=1.5 needs 1200x700).
#   scripts/with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail
work=$(mktemp -d)
cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# -br: a black root, which a screenshot can trim away around the window.
Xvfb -displayfd 3 -screen 0 "${MEVRIK_XVFB_SCREEN:-800x400}x24" -br -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")" MEVRIK_XVFB=1 "$@"
