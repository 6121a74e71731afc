#!/usr/bin/env bash
# Compares quillon-nc renumber, shift and replace with the tools a user would
# pick instead, on the same generated 27 MB, 1,000,000-line CR LF program:
# the runs alternate, the medians give the ratios. Also prints the peak
# resident memory for that file and for one ten times its size, and how the
# time grows with the size. Every baseline must write the same bytes.
#
#   bench/compare_baselines.sh [BUILD_DIR] [ROUNDS]     (default build/rel, 5)
#
# BUILD_DIR is a Release tree configured with -DQUILLON_BUILD_BENCH=ON; the
# script builds quillon-nc and make_bench_program there. Needs mawk, perl,
# sed and GNU time (/usr/bin/time).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/rel}
rounds=${2:-5}
for tool in mawk perl sed /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)" >&2; exit 2; }
done
nice ninja -C "$build" quillon-nc make_bench_program >/dev/null
nc=$build/app/quillon-nc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_bench_program" 1000000 "$work/p27.min"
"$build/bench/make_bench_program" 10000000 "$work/p270.min"

# Each verb: the quillon-nc arguments, the baseline command (both get the
# file last) and the goal for the ratio of their times.
names=("renumber" "shift" "replace M08" "replace X")
nc_0=(renumber --digits 4)
base_0=(mawk -f bench/renumber.awk)
goal_0=0.25
nc_1=(shift --word X --calc '*0.8')
base_1=(perl -pe 's/X(-?[0-9.]+)/"X".(0+sprintf("%.3f",$1*0.8))/ge')
goal_1=0.15
nc_2=(replace --find M08 --with M09)
base_2=(sed s/M08/M09/g)
goal_2=0.5
nc_3=(replace --find X --with XX)
base_3=(sed s/X/XX/g)
goal_3=0.5

# run OUT CMD...: "wall cpu" seconds of one run (cpu: user + system) on
# stdout; its peak RSS (KB) in $work/rss.
run() {
  local out=$1
  shift
  local TIMEFORMAT='%3R %3U %3S'
  { time /usr/bin/time -v -o "$work/time.log" "$@" >"$out" 2>/dev/null; } 2>"$work/t"
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.log" >"$work/rss"
  awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$work/t"
}

# median COLUMN <FILE: the median of one column.
median() { awk -v c="$1" '{ print $c }' | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

printf '%-12s %-19s %-19s %-15s %5s  %-15s %s\n' verb "quillon wall/cpu s" "base wall/cpu s" "ratio wall/cpu" goal \
  "RSS 27/270 MB" "270/27 wall/cpu"
status=0
for i in "${!names[@]}"; do
  name=${names[$i]}
  declare -n ncCmd=nc_$i baseCmd=base_$i goal=goal_$i
  : >"$work/nc.t"
  : >"$work/base.t"
  for ((r = 0; r < rounds; r++)); do
    run "$work/nc.out" "$nc" "${ncCmd[@]}" "$work/p27.min" >>"$work/nc.t"
    rss27=$(cat "$work/rss")
    run "$work/base.out" "${baseCmd[@]}" "$work/p27.min" >>"$work/base.t"
  done
  if ! cmp -s "$work/nc.out" "$work/base.out"; then
    echo "$name: the baseline wrote different bytes" >&2
    status=1
  fi
  : >"$work/big.t"
  for ((r = 0; r < (rounds + 1) / 2; r++)); do
    run "$work/nc.out" "$nc" "${ncCmd[@]}" "$work/p270.min" >>"$work/big.t"
  done
  rss270=$(cat "$work/rss")
  w=$(median 1 <"$work/nc.t") c=$(median 2 <"$work/nc.t")
  bw=$(median 1 <"$work/base.t") bc=$(median 2 <"$work/base.t")
  gw=$(median 1 <"$work/big.t") gc=$(median 2 <"$work/big.t")
  awk -v n="$name" -v w="$w" -v c="$c" -v bw="$bw" -v bc="$bc" -v gw="$gw" -v gc="$gc" -v g="$goal" \
    -v r27="$(mb "$rss27")" -v r270="$(mb "$rss270")" 'BEGIN {
      printf "%-12s %8.3f / %-8.3f %8.3f / %-8.3f %6.3f / %-6.3f %5s  %5s / %-7s %5.2f / %.2f\n",
             n, w, c, bw, bc, w / bw, (bc > 0 ? c / bc : 0), g, r27, r270, gw / w, (c > 0 ? gc / c : 0) }'
  unset -n ncCmd baseCmd goal
done
echo "goals: ratio at most the goal; peak RSS at most 16 MB for both files; 270/27 at most 11"
exit $status
