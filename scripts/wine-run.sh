#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe ARGS... | wine-run.sh wineserver ARGS...
# Runs a Windows program under Wine (or Wine's server), quietly, in a prefix this project owns:
# Wine refuses a prefix that belongs to another user, and CI runs as root. CTest's emulator.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build-windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko installer
export WINEARCH=win64
[ "$1" = wineserver ] && exec "$@"
exec wine "$@"
