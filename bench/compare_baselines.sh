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

# run OUT CMD...: wall seconds of one run on stdout; peak RSS (KB) in $work/rss.
run() {
  local out=$1
  shift
  local t0 t1
  t0=$(date +%s%N)
  /usr/bin/time -v -o "$work/time.log" "$@" >"$out" 2>/dev/null
  t1=$(date +%s%N)
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.log" >"$work/rss"
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f\n", (b - a) / 1e9 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-12s %10s %10s %7s %6s  %s\n' verb "quillon s" "base s" ratio goal "peak RSS 27 MB / 270 MB, time 270/27"
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
  tNc=$(median <"$work/nc.t")
  tBase=$(median <"$work/base.t")
  tBig=$(median <"$work/big.t")
  read -r ratio growth <<<"$(awk -v a="$tNc" -v b="$tBase" -v c="$tBig" 'BEGIN { printf "%.3f %.2f\n", a / b, c / a }')"
  printf '%-12s %10.3f %10.3f %6.3fx %6s  %6.1f MB / %6.1f MB, %5.2fx\n' "$name" "$tNc" "$tBase" "$ratio" "$goal" \
    "$(awk -v k="$rss27" 'BEGIN { print k / 1024 }')" "$(awk -v k="$rss270" 'BEGIN { print k / 1024 }')" "$growth"
  unset -n ncCmd baseCmd goal
done
echo "goals: ratio at most the goal; peak RSS at most 16 MB for both files; time 270/27 at most 11"
exit $status
