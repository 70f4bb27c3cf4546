# Sourced by the checks that drive the real Windows window under Wine (windows-window-check.sh,
# windows-installer-check.sh): waiting, the window, the clipboard, a first calculation.
wine_run=./scripts/wine-run.sh

fail() { echo "$(basename "$0" .sh): $*" >&2; exit 1; }
# until_ok SECONDS COMMAND...: retries COMMAND until it succeeds or the time is up.
until_ok() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.2; done
}
windows() { xdotool search --onlyvisible --class 'mevrik.exe' 2>/dev/null | wc -l; }
has_window() { [ "$(windows)" -ge 1 ]; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_holds() { [ "$(clipboard)" = "$1" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# Types (12+3)*4-2^3 and Enter into the window that has just opened; prints the window's id once
# 52.00 is on the clipboard.
calculate_first_expression() {
  until_ok 30 has_window || fail "no window"
  local window
  window=$(xdotool search --onlyvisible --class 'mevrik.exe' | head -n 1)
  sleep 1
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  xdotool type --delay 30 '(12+3)*4-2^3'
  xdotool key Return
  until_ok 10 clipboard_holds 52.00 || fail "the clipboard holds '$(clipboard)', not 52.00"
  echo "$window"
}

program_ended() { ! pgrep -f '[\\/]mevrik\.exe$' >/dev/null; }

# Closes the window as the system closes a window (WM_CLOSE), which saves the history, and waits
# for the process PID, and mevrik.exe itself, to end: a start through a shortcut may return first.
close_window() {
  "$wine_run" taskkill /im mevrik.exe >/dev/null 2>&1 || true
  until_ok 30 ended "$1" || fail "the window did not close"
  until_ok 30 program_ended || fail "mevrik.exe still runs after its window closed"
}
