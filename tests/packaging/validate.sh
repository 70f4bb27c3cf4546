#!/usr/bin/env bash
# The installed desktop entry, AppStream metadata and man pages pass their validators (offline).
#   validate.sh BUILD_DIR/packaging DESKTOP_ID
set -euo pipefail
dir=$1 id=$2
desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net "$dir/$id.metainfo.xml"
for page in mevrik mevrik-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$dir/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page.1: $warnings" >&2; exit 1; }
done
