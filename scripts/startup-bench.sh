#!/usr/bin/env bash
# Measures the main window's start-up against an empty Qt window with one line of Chinese text
# (built the same way), round by round on one virtual display: time from process start to the
# window mapped (the quickest of three starts in each round) with its ratio to the Chinese
# window in each round, and the medians of that ratio, of the CPU time and of the resident
# memory a second after start. Beside them: the empty
# window without text, any desktop calculator installed (peers), how long the pipe and shutdown
# windows take to appear when first opened, and the start-up with 1k to 32,767 unnamed links in
# the settings file.
#   scripts/startup-bench.sh [ROUNDS] [LINK_ROUNDS]
# The last lines are the figures against their targets ("figure ..."), as scripts/performance.sh
# collects them.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
build=${MEVRIK_BUILD_DIR:-build}
rounds=${1:-21}
link_rounds=${2:-5}
./scripts/build.sh --target mevrik minimal_window window_startup >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=xcb
bench=$build/bench/window_startup
mevrik=$build/app/mevrik
chinese=(--label chinese-window "$build/bench/minimal_window" --chinese)

# Peers: desktop calculators that happen to be installed, each with its own home so that it
# starts as on a first run.
peers=()
for peer in galculator gnome-calculator; do
  command -v "$peer" >/dev/null || continue
  mkdir -p "$work/home-$peer"
  peers+=(-- --label "$peer" env HOME="$work/home-$peer" "$(command -v "$peer")")
done

echo "== Start-up, $rounds rounds (ratio: to the Chinese window of the same round)"
"$bench" "$rounds" "${chinese[@]}" \
  -- --label mevrik --open-by g --open-by s "$mevrik" --config-dir "$work/config" \
  -- --label empty-window "$build/bench/minimal_window" "${peers[@]}" | tee "$work/start.txt"

echo "== Start-up with unnamed links in the settings file, $link_rounds rounds"
links=()
for n in 1000 4000 16000 32767; do
  mkdir -p "$work/links-$n"
  printf '[链接]\n数量=%s\n' "$n" >"$work/links-$n.ini"
  links+=(-- --label "links-$n" --fresh "$work/links-$n.ini" "$work/links-$n/VEXTAL_Config.ini"
          "$mevrik" --config-dir "$work/links-$n")
done
"$bench" "$link_rounds" "${chinese[@]}" "${links[@]}" | tee "$work/links.txt"

# median LABEL MAPPED_MS RATIO RESIDENT_MB CPU_MS [KEY OPENED_MS]...
field() { awk -F'\t' -v label="$2" -v n="$3" '$1 == "median" && $2 == label { print $n }' "$1"; }
verdict() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 <= b + 0 ? "met" : "NOT MET") }'; }
ratio=$(field "$work/start.txt" mevrik 4)
memory=$(field "$work/start.txt" mevrik 5)
reference_mb=$(field "$work/start.txt" chinese-window 5)
# The memory target, 36 MB, was set where the Chinese window held 31.5 MB: as a ratio, 1.14x.
memory_ratio=$(awk -v a="$memory" -v b="$reference_mb" 'BEGIN { printf "%.3f", a / b }')
pipe=$(field "$work/start.txt" mevrik 8)
shutdown=$(field "$work/start.txt" mevrik 10)
# A window that never appeared counts as -1 ms.
opened=$(awk -v a="$pipe" -v b="$shutdown" 'BEGIN { print (a < 0 || b < 0 ? 1e9 : a > b ? a : b) }')
most_ms=$(field "$work/links.txt" links-32767 3)
most_mb=$(field "$work/links.txt" links-32767 5)
echo
echo "== Links: start-up and memory against the number of links"
for n in 1000 4000 16000 32767; do
  printf '%6d links: %7.1f ms %6.1f MB\n' "$n" "$(field "$work/links.txt" "links-$n" 3)" \
    "$(field "$work/links.txt" "links-$n" 5)"
done
echo
printf 'figure start-up: %.2fx the Chinese window (median of %d rounds; target <= 1.15x): %s\n' \
  "$ratio" "$rounds" "$(verdict "$ratio" 1.15)"
printf 'figure resident memory a second after start: %.1f MB (target <= 36 MB): %s\n' \
  "$memory" "$(verdict "$memory" 36)"
printf 'figure resident memory against the Chinese window (%.1f MB): %.2fx (target <= 1.14x): %s\n' \
  "$reference_mb" "$memory_ratio" "$(verdict "$memory_ratio" 1.143)"
printf 'figure tool window on first use: pipe %.1f ms, shutdown %.1f ms (target < 50 ms): %s\n' \
  "$pipe" "$shutdown" "$(verdict "$opened" 49.99)"
printf 'figure 32,767 links: start-up %.0f ms (target <= 500 ms): %s\n' "$most_ms" "$(verdict "$most_ms" 500)"
printf 'figure 32,767 links: resident memory %.1f MB (target <= 60 MB): %s\n' "$most_mb" "$(verdict "$most_mb" 60)"
