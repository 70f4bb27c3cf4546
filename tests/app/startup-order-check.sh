#!/usr/bin/env bash
# The functions that the window runs at start lie together at the head of the program's code:
# every listed function of the program's own is in the program (a name the code no longer has
# orders nothing, so the list must be made again: scripts/startup-order.sh), and each comes
# before every one that is not listed.
#   tests/app/startup-order-check.sh PROGRAM LIST
set -euo pipefail
nm --defined-only -n "$1" | awk -v list="$2" '
  BEGIN { while ((getline line < list) > 0) if (line ~ /^_ZN6mevrik/) listed[line] = 1 }
  $2 !~ /^[tTwW]$/ || $3 !~ /^_ZN6mevrik/ { next }
  $3 in listed {
    found[$3] = 1
    if (first_other != "") { print "listed but placed after " first_other ": " $3; bad = 1 }
    next
  }
  first_other == "" { first_other = $3 }
  END {
    for (name in listed) if (!(name in found)) { print "listed but not in the program: " name; bad = 1 }
    exit bad
  }'
