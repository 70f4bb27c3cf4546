#!/usr/bin/env bash
# windows-compare.sh LINUX_BUILD WINDOWS_BUILD OUT_DIR
# The Windows terminal calculator (under Wine) must write byte for byte what the Linux one
# writes: stdout, stderr and exit status, for every run of the CLI tests and for a sweep of
# expressions (all precisions, both angle units) and weights (every listed size, parameter
# grids, materials). Both builds must be built; the Wine prefix is taken from the environment.
# Wine on a busy machine now and then fails to start a program: a run that wrote nothing at all
# (the program always writes something) or whose tests failed is repeated once.
set -euo pipefail
cd "$(dirname "$0")/.."
linux=$1 windows=$2 out=$3
rm -rf "$out" && mkdir -p "$out"
wine_run=./scripts/wine-run.sh
# cli linux|windows ARGS...: one run of that build's program.
cli() {
  if [ "$1" = windows ]; then "$wine_run" "$windows/cli/mevrik-cli.exe" "${@:2}"; else "$linux/cli/mevrik-cli" "${@:2}"; fi
}

# 1. The CLI test suite, each build's tests driving its own program, every run recorded.
# transcript FILE PROGRAM...: the CLI tests' runs, recorded afresh.
transcript() { rm -f "$1" && MEVRIK_CLI_TRANSCRIPT="$1" "${@:2}" >/dev/null; }
transcript "$out/cli-runs.linux" "$linux/tests/cli/cli_tests"
transcript "$out/cli-runs.windows" "$wine_run" "$windows/tests/cli/cli_tests.exe" ||
  transcript "$out/cli-runs.windows" "$wine_run" "$windows/tests/cli/cli_tests.exe"
for build in linux windows; do LC_ALL=C sort "$out/cli-runs.$build" >"$out/cli-tests.$build"; done
rm "$out"/cli-runs.*

# 2. Expressions: fixed edge cases and seeded random texts over the whole input alphabet.
{
  printf '%s\n' '0.1+0.2' '1/3' '2/3*3' '2^0.5' '(-8)^(1/3)' '10\3' '-7%3' '1E308*10' '1E-320' \
    '4.9E-324/2' '1.7976931348623157E308' '123456789012345678' '0.000123456789' '99999.99995' \
    'Sin30°' 'Cos60du' 'Tan90°' 'Tan(45)' 'Atn1' 'Atn(1E300)' 'Sin(1E22)' 'Cos(1E15)' 'π*2' \
    '（1＋2）×3' '2(3+4)' '8÷(2+2)' '5°+3' '1/0' '0/0' '((1)' '1)' 'abc' '' '  ' '3-' '*2' \
    "$(printf '1%.0s' {1..400})" "0.$(printf '3%.0s' {1..400})" "$(printf '9%.0s' {1..309})" \
    "1$(printf '0%.0s' {1..308})" "0.$(printf '0%.0s' {1..330})1" "$(printf '7%.0s' {1..40}).5E-20"
  awk 'BEGIN {
    srand(15)
    n = split("Sin Cos Tan Atn", fn, " "); m = split("+ - * / ^ \\ % × ÷ ＋ －", op, " ")
    for (line = 0; line < 3000; line++) {
      text = ""; terms = 1 + int(rand() * 4)
      for (t = 0; t < terms; t++) {
        r = rand()
        if (r < 0.35) a = sprintf("%.*f", int(rand() * 9), rand() * 10 ^ int(rand() * 8))
        else if (r < 0.5) a = sprintf("%.*fE%d", int(rand() * 5), rand() * 10, int(rand() * 40) - 20)
        else if (r < 0.75) a = sprintf("%s(%.*f%s)", fn[1 + int(rand() * n)], int(rand() * 4),
                                        rand() * 720 - 360, rand() < 0.5 ? "°" : (rand() < 0.5 ? "du" : ""))
        else if (r < 0.85) a = sprintf("%dπ", 1 + int(rand() * 9))
        else a = sprintf("（%d%s%.3f）", int(rand() * 100), op[1 + int(rand() * m)], rand() * 50)
        text = text (t ? op[1 + int(rand() * m)] : "") a
      }
      print text
    }
  }'
} >"$out/expressions.txt"
for precision in 0 1 2 3 4; do
  for unit in --degrees --radians; do
    args=(eval --precision "$precision")
    [ $unit = --radians ] && args+=(--radians)
    for build in linux windows; do
      name=$out/eval-$precision$unit
      for attempt in 1 2; do
        status=0
        cli $build "${args[@]}" - <"$out/expressions.txt" >"$name.$build" 2>"$name.err.$build" || status=$?
        [ -s "$name.$build" ] && break
      done
      echo "status $status" >>"$name.$build"
    done
  done
done

# 3. Weights: every size the Linux program lists for kinds with a size box, and grids for the rest.
sizes() { cli linux weight "$1" --size '?' 2>&1 | sed -n 's/^可选 \/ valid sizes: //p' | sed 's/, /\n/g'; }
{
  i=0
  for kind in 地脚螺栓 六角螺栓 六角螺母 垫圈 弹簧垫圈 方斜垫 工字钢 槽钢; do
    while IFS= read -r size; do
      i=$((i + 1))
      printf '%s\t--size\t%s\t--quantity\t%s\t--precision\t%s\t--material\t%s\n' "$kind" "$size" \
        $((i % 7 + 1)) $((i % 5)) "$(echo steel copper aluminium 7.93 2.7 | cut -d' ' -f$((i % 5 + 1)))"
    done < <(sizes "$kind")
  done
  for width in 20 25 36 50 56 63 75 80 100 125 160 200 250; do
    printf 'angle\t--width\t%s\t--length\t2*%s.5\t--precision\t%s\n' $width $((width * 13)) $((width % 5))
  done
  for d in 5.5 10 16 22 48 100 219; do
    printf 'round-bar\t--diameter\t%s\t--length\t%s\n' $d $((${d%.*} * 37))
    printf 'steel-pipe\t--diameter\t%s\t--wall\t%s\t--length\t%s*3\t--material\tcopper\n' $d 0.7 1111
    printf 'steel-plate\t--thickness\t%s\t--area\t1000*%s\t--precision\t%s\n' $d 1234.5 $((${d%.*} % 5))
  done
} >"$out/weights.tsv"
for build in linux windows; do
  while IFS=$'\t' read -ra args; do
    for attempt in 1 2; do
      output=$(cli $build weight "${args[@]}" 2>&1 </dev/null; echo "status $?")
      [ "${output#status }" = "$output" ] && break
      echo "no output from: $build weight ${args[*]} ($output), run $attempt" >&2
    done
    printf '=== %s\n%s\n' "${args[*]}" "$output" >>"$out/weights.$build"
  done <"$out/weights.tsv"
done

# 4. Compare.
failed=0
for file in "$out"/*.linux; do
  if ! cmp -s "$file" "${file%.linux}.windows"; then
    echo "DIFFERENT: ${file%.linux}.{linux,windows}" >&2
    diff -a "$file" "${file%.linux}.windows" | head -20 >&2 || true
    failed=1
  fi
done
echo "Compared $(ls "$out"/*.linux | wc -l) output pairs: $(wc -l <"$out/expressions.txt") expressions x 10 modes," \
  "$(wc -l <"$out/weights.tsv") weight runs, $(wc -l <"$out/cli-tests.linux") CLI test runs."
exit $failed
