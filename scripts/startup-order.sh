#!/usr/bin/env bash
# Writes app/startup-order.txt: the functions of the window program that run from its start until
# it waits with the window on screen, found by running it under callgrind on a virtual display.
# The link places them together, so that the start touches few of the program's pages. Run it
# again when the start-up code changes: a function missing from the list only lands among the
# rest, and a name that no longer exists is ignored.
#   scripts/startup-order.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
command -v valgrind >/dev/null || { echo "needs valgrind (scripts/install-deps.sh)" >&2; exit 1; }
build=${MEVRIK_BUILD_DIR:-build}
./scripts/build.sh --target mevrik >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$(realpath "$build/app/mevrik")
# Under callgrind the window takes some seconds to appear; by 30 it has long been waiting.
MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=xcb timeout -s INT 30 \
  valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/out" \
  "$program" --config-dir "$work/config" >/dev/null 2>&1 || true
[ -s "$work/out" ] || { echo "callgrind wrote no profile" >&2; exit 1; }
# Names are defined once as "(id) name" on ob=/fn= lines (and their cob=/cfn= forms) and later
# given by id alone; keep the functions of blocks whose object is the program. A complete-object
# constructor or destructor (C1, D1) is an alias of the base-object one (C2, D2), whose name the
# section carries.
{
  echo "# Functions the window runs at start, in the program's own code (scripts/startup-order.sh)."
  awk -v program="$program" '
    match($0, /^c?(ob|fn)=\([0-9]+\) /) {
      id = substr($0, index($0, "("), index($0, ")") - index($0, "(") + 1)
      kind = substr($0, 1, 1) == "c" ? substr($0, 2, 2) : substr($0, 1, 2)
      names[kind, id] = substr($0, RLENGTH + 1)
    }
    /^ob=/ { id = substr($0, 4); sub(/ .*/, "", id); object = names["ob", id] }
    /^fn=/ { id = substr($0, 4); sub(/ .*/, "", id)
             if (object == program) print names["fn", id] }
  ' "$work/out" | grep -E '^[A-Za-z_][A-Za-z0-9_.$]*$' |
    sed -E 'p; s/C1E/C2E/; s/D1E/D2E/' | LC_ALL=C sort -u
} >app/startup-order.txt
echo "app/startup-order.txt: $(($(wc -l <app/startup-order.txt) - 1)) functions"
