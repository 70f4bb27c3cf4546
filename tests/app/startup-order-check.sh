#!/usr/bin/env bash
# The functions that the window runs at start lie together at the head of the program's code:
# every listed function of the program's own comes before every one that is not listed, and most
# of the list is still found in the program (a list left behind by the code orders nothing).
#   tests/app/startup-order-check.sh PROGRAM LIST
set -euo pipefail
nm --defined-only -n "$1" | awk -v list="$2" '
  BEGIN { while ((getline line < list) > 0) if (line ~ /^_ZN6mevrik/) { listed[line] = 1; total++ } }
  $2 !~ /^[tTwW]$/ || $3 !~ /^_ZN6mevrik/ { next }
  $3 in listed {
    found++
    if (first_other != "") { print "listed but placed after " first_other ": " $3; bad = 1 }
    next
  }
  first_other == "" { first_other = $3 }
  END {
    if (found * 2 < total) { print "only " found " of the " total " listed functions exist"; bad = 1 }
    exit bad
  }'
