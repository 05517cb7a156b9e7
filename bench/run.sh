#!/usr/bin/env bash
# Builds in release mode, generates realistic record files and reports the
# time and peak memory of every measured operation against its target.
# Exits non-zero when a target is missed.  Usage: bench/run.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
data="$root/bench/out"
"$root/deps/install.sh"
"$root/deps/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release
mkdir -p "$data"

bin="$build/bench"
[[ -f "$data/records-100000rows.kav" ]] || "$bin/bench_records" generate 10000 100000 "$data/records-100000rows.kav"

# name | command | time target (ms) | peak memory target (MB)
benchmarks=(
  "load 100,000 rows|$bin/bench_records load $data/records-100000rows.kav|250|150"
  "save 100,000 rows|$bin/bench_records save $data/records-100000rows.kav|250|150"
  "paste 10,000 lines + sort + renumber|$bin/bench_records paste 10000|150|"
)
if [[ -f "$root/bench/more-benchmarks.sh" ]]; then
  # shellcheck source=/dev/null
  source "$root/bench/more-benchmarks.sh"
fi

runs=3
failed=0
printf '%-44s %10s %10s %12s %10s  %s\n' "work" "time ms" "target" "peak MB" "target" "result"
for row in "${benchmarks[@]}"; do
  IFS='|' read -r name command time_target mem_target <<<"$row"
  best_ms=""; peak_kb=0
  for ((i = 0; i < runs; i++)); do
    line=$($command | grep -E '^time_ms=' | tail -n 1)
    ms=${line#time_ms=}; ms=${ms%% *}
    kb=${line##*peak_kb=}
    if [[ -z "$best_ms" ]] || awk -v a="$ms" -v b="$best_ms" 'BEGIN{exit !(a<b)}'; then best_ms=$ms; fi
    (( kb > peak_kb )) && peak_kb=$kb
  done
  peak_mb=$(awk -v k="$peak_kb" 'BEGIN{printf "%.1f", k/1024}')
  verdict=ok
  if [[ -n "$time_target" ]] && awk -v a="$best_ms" -v t="$time_target" 'BEGIN{exit !(a>=t)}'; then verdict=MISSED; fi
  if [[ -n "$mem_target" ]] && awk -v a="$peak_mb" -v t="$mem_target" 'BEGIN{exit !(a>=t)}'; then verdict=MISSED; fi
  [[ $verdict == ok ]] || failed=1
  printf '%-44s %10s %10s %12s %10s  %s\n' "$name" "$best_ms" "${time_target:--}" "$peak_mb" "${mem_target:--}" "$verdict"
done
exit $failed
