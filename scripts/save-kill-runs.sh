#!/usr/bin/env bash
# The real program's saves under kills at random moments and under a file-size limit: after each
# run the settings file must be the old one byte for byte or the new one whole. Four kinds of
# save, each on a file whose start-up fills in thousands of missing keys with one save:
#   plain      the file replaced through a copy beside it
#   link       the file is a symbolic link: its target is replaced, the link stays
#   limit      `ulimit -f` below the new size: the save fails (the write error dialog), killed
#   nofolder   a writable file in a folder that takes no new file (run as nobody): refused
# Usage: scripts/save-kill-runs.sh [runs per kind]   Prints the counts; exit 1 on any damage.
set -uo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${MEVRIK_BUILD_DIR:-build}/app/mevrik")
runs=${1:-40}
export MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

# A file of 3000 links whose names and targets are missing: the start writes 6000 defaults.
{
  printf '[链接]\r\n数量=3000\r\n[其它]\r\n数量=0\r\n'
} >"$work/old.ini"
# The whole new file: what an unkilled start leaves.
mkdir "$work/reference"
cp "$work/old.ini" "$work/reference/VEXTAL_Config.ini"
"$program" --config-dir "$work/reference" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
  cmp -s "$work/old.ini" "$work/reference/VEXTAL_Config.ini" || break
  sleep 0.1
done
sleep 1
kill -9 "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
cp "$work/reference/VEXTAL_Config.ini" "$work/new.ini"
if cmp -s "$work/old.ini" "$work/new.ini"; then echo "the start saved nothing" >&2; exit 1; fi
new_size=$(stat -c %s "$work/new.ini")

damaged=0
declare -A old_kept new_whole
check() {  # kind file
  if cmp -s "$2" "$work/old.ini"; then
    old_kept[$1]=$((${old_kept[$1]:-0} + 1))
  elif cmp -s "$2" "$work/new.ini"; then
    new_whole[$1]=$((${new_whole[$1]:-0} + 1))
  else
    damaged=$((damaged + 1))
    echo "DAMAGED ($1): $(stat -c %s "$2") bytes" >&2
  fi
}

# kind folder file: starts the program on the folder and kills it at a random moment.
run_once() {
  local kind=$1 folder=$2 file=$3 prefix=()
  local delay_ms=$((RANDOM % 600))
  case $kind in
    limit) prefix=(bash -c "ulimit -f $(((new_size / 1024) - 1 - RANDOM % 8)); exec \"\$@\"" limit) ;;
    nofolder) prefix=(setpriv --reuid=65534 --regid=65534 --clear-groups -- env HOME=/tmp) ;;
  esac
  "${prefix[@]}" "$program" --config-dir "$folder" >/dev/null 2>&1 &
  local pid=$!
  sleep "$(printf '0.%03d' "$delay_ms")"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  check "$kind" "$file"
}

for kind in plain link limit nofolder; do
  for _ in $(seq "$runs"); do
    folder="$work/$kind"
    chmod -R u+w "$work/$kind" 2>/dev/null
    rm -rf "$folder" "$work/target"
    mkdir -p "$folder"
    file="$folder/VEXTAL_Config.ini"
    case $kind in
      link)
        mkdir -p "$work/target"
        cp "$work/old.ini" "$work/target/real.ini"
        ln -s ../target/real.ini "$file"
        run_once link "$folder" "$work/target/real.ini"
        [ -L "$file" ] || { damaged=$((damaged + 1)); echo "the link was replaced" >&2; }
        ;;
      nofolder)
        cp "$work/old.ini" "$file"
        chown 65534 "$file"
        chmod 755 "$folder"
        run_once nofolder "$folder" "$file"
        ;;
      *)
        cp "$work/old.ini" "$file"
        run_once "$kind" "$folder" "$file"
        ;;
    esac
    leftovers=$(find "$folder" "$work/target" -name '*.mevrik-save-*' 2>/dev/null | wc -l)
    [ "$leftovers" -le 1 ] || echo "($kind) $leftovers copies left" >&2
  done
  echo "$kind: $runs runs, old kept ${old_kept[$kind]:-0}, new whole ${new_whole[$kind]:-0}"
done
echo "damaged: $damaged"
[ "$damaged" -eq 0 ]
