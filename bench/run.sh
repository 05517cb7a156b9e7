#!/usr/bin/env bash
# Builds in release mode, generates realistic record files and reports the
# time and peak memory of every measured operation against its target, then
# the checks derived from those figures (growth with the record count, PDF
# memory as pages grow, the workbook against a direct libxlsxwriter program).
# Exits non-zero when a target is missed or a command fails.
#   bench/run.sh            build, generate, measure
# Each row is tried seven times, in rounds over all rows; the best time and
# the highest peak count. BENCH_RUNS=N tries every row N times.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
data="$root/bench/out"

"$root/deps/install.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench_records bench_process bench_spreadsheet bench_print bench_sheet_view tagrio tagrio-cli \
  -- -j"$(nproc)" >/dev/null
mkdir -p "$data"

bin="$build/bench"
cli="$build/src/main/tagrio-cli"
process="$bin/bench_process"

# The record files, the same every run: 1 record (the outputs' fixed cost),
# 1,000 and 10,000 records, and a full sheet of 100,000 rows.
for records in 1 1000 10000; do
  "$bin/bench_records" generate "$records" "$((records + 1))" "$data/records-$records.kav"
done
"$bin/bench_records" generate 99999 100000 "$data/records-100000rows.kav"

# 10000 -> 10,000, for the row names.
grouped() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }

# id | work | command | time target (ms) | peak memory target (MB) | runs per try;
# an empty target is not checked; a try is the mean of its runs, one by default.
benchmarks=(
  "load|load 100,000 rows|$bin/bench_records load $data/records-100000rows.kav|250|150"
  "save|save 100,000 rows|$bin/bench_records save $data/records-100000rows.kav|250|150"
  "paste|paste 10,000 lines + sort + renumber|$bin/bench_records paste 10000|150|"
  "view|sheet view: 100,000 rows set and painted|$bin/bench_sheet_view $data/records-100000rows.kav|250|150"
  "start|tagrio start to first painted window|env QT_QPA_PLATFORM=offscreen TAGRIO_BENCH_FIRST_SHOW=1 $build/src/main/tagrio|500|120"
)
# Checks over the measured rows, filled by the sourced files:
# work | kind | a | b | c, where a, b, c are row ids (kinds: see derived_check below)
checks=()
if [[ -f "$root/bench/more-benchmarks.sh" ]]; then
  # shellcheck source=/dev/null
  source "$root/bench/more-benchmarks.sh"
fi

declare -A best_ms peak_mb
failed=0
row() { printf '%-66s %10s %10s %9s %9s  %s\n' "$@"; }
verdict() { # value target -> ok when value < target or no target
  if [[ -z "$2" ]] || awk -v a="$1" -v t="$2" 'BEGIN{exit !(a<t)}'; then echo ok; else echo MISSED; fi
}

# The rows are measured in rounds, every row once a round, rather than one row
# many times in a row: on a shared virtual machine the speed drifts by tens of
# percent over minutes, and the growth checks compare rows with each other,
# so each row's tries are spread over the whole run.
# The best of a short row's tries can land in a quiet moment that a row
# running ten times as long cannot fit in, which makes 10,000 records look
# more than ten times as costly as 1,000. The rows a growth check holds
# against a 10,000-record row therefore run ten times back to back per try,
# so that their tries span about as long (the sourced files set this).
declare -A names commands time_targets memory_targets runs_per_try peak_kb row_failed
ids=()
for entry in "${benchmarks[@]}"; do
  IFS='|' read -r id name command time_target mem_target runs <<<"$entry"
  ids+=("$id")
  names[$id]=$name commands[$id]=$command time_targets[$id]=$time_target memory_targets[$id]=$mem_target
  runs_per_try[$id]=${runs:-1} peak_kb[$id]=0
done

# Sets try_ms to the mean time of the try's runs and raises the row's peak_kb
# (so it runs in this shell, not a subshell); fails when a run fails.
try_row() { # id
  local id=$1 total=0 run output line ms kb
  for ((run = 0; run < runs_per_try[$id]; run++)); do
    # shellcheck disable=SC2086 # the command is a word list
    output=$(${commands[$id]} 2>/dev/null) || return 1
    line=$(grep -E '^time_ms=' <<<"$output" | tail -n 1)
    ms=${line#time_ms=}; ms=${ms%% *}
    kb=${line##*peak_kb=}
    total=$(awk -v t="$total" -v a="$ms" 'BEGIN{print t + a}')
    ((kb > peak_kb[$id])) && peak_kb[$id]=$kb
  done
  try_ms=$(awk -v t="$total" -v n="${runs_per_try[$id]}" 'BEGIN{printf "%.1f", t / n}')
}

rounds=${BENCH_RUNS:-7}
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  for id in "${ids[@]}"; do
    [[ -z ${row_failed[$id]:-} ]] || continue
    if ! try_row "$id"; then
      row_failed[$id]=yes
      unset 'best_ms[$id]' # a failed row takes no part in the checks
      continue
    fi
    if [[ -z "${best_ms[$id]:-}" ]] || awk -v a="$try_ms" -v b="${best_ms[$id]}" 'BEGIN{exit !(a<b)}'; then
      best_ms[$id]=$try_ms
    fi
  done
done

row "work" "time ms" "target" "peak MB" "target" "result"
for id in "${ids[@]}"; do
  name=${names[$id]} time_target=${time_targets[$id]} mem_target=${memory_targets[$id]}
  if [[ -n ${row_failed[$id]:-} ]]; then
    failed=1
    row "$name" "-" "${time_target:--}" "-" "${mem_target:--}" FAILED
    continue
  fi
  peak_mb[$id]=$(awk -v k="${peak_kb[$id]}" 'BEGIN{printf "%.1f", k/1024}')
  result=ok
  [[ $(verdict "${best_ms[$id]}" "$time_target") == ok ]] || result=MISSED
  [[ $(verdict "${peak_mb[$id]}" "$mem_target") == ok ]] || result=MISSED
  [[ $result == ok ]] || failed=1
  row "$name" "${best_ms[$id]}" "${time_target:--}" "${peak_mb[$id]}" "${mem_target:--}" "$result"
done

# small:  time(a) < time(b) / 10 + time(c)             a 1,000 records, b 10,000, c the fixed cost
# linear: time(b) - time(c) <= 11 x (time(a) - time(c))  10,000 at most 11 times 1,000 after start-up
# flat:   peak(b) <= 1.5 x peak(a)                      memory flat as the pages grow
# ratio:  time(a) <= 1.25 x time(b)                     against a direct program
# A kind ending in "/ref" is shown for reference and never fails the run.
derived_check() {
  local name=$1 kind=${2%/ref} a=$3 b=$4 c=${5:-} reference=""
  [[ $2 == */ref ]] && reference=yes
  for id in "$a" "$b" ${c:+"$c"}; do
    if [[ -z "${best_ms[$id]:-}" ]]; then
      row "$name" "-" "-" "-" "-" FAILED; failed=1; return
    fi
  done
  local value target result
  case $kind in
    small)
      value=${best_ms[$a]}
      target=$(awk -v b="${best_ms[$b]}" -v c="${best_ms[$c]}" 'BEGIN{printf "%.1f", b / 10 + c}') ;;
    linear)
      value=$(awk -v b="${best_ms[$b]}" -v c="${best_ms[$c]}" 'BEGIN{printf "%.1f", b - c}')
      target=$(awk -v a="${best_ms[$a]}" -v c="${best_ms[$c]}" 'BEGIN{printf "%.1f", 11 * (a - c) + 0.05}') ;;
    ratio)
      value=${best_ms[$a]}
      target=$(awk -v b="${best_ms[$b]}" 'BEGIN{printf "%.1f", 1.25 * b + 0.05}') ;;
    flat)
      value=${peak_mb[$b]}
      target=$(awk -v a="${peak_mb[$a]}" 'BEGIN{printf "%.1f", 1.5 * a + 0.05}') ;;
  esac
  result=$(verdict "$value" "$target")
  if [[ -n $reference ]]; then
    result="($result, reference)"
  elif [[ $result != ok ]]; then
    failed=1
  fi
  if [[ $kind == flat ]]; then
    row "$name" "" "" "$value" "$target" "$result"
  else
    row "$name" "$value" "$target" "" "" "$result"
  fi
}

if ((${#checks[@]})); then
  echo
  row "check" "time ms" "limit" "peak MB" "limit" "result"
  for entry in "${checks[@]}"; do
    IFS='|' read -r name kind a b c <<<"$entry"
    derived_check "$name" "$kind" "$a" "$b" "$c"
  done
fi
exit $failed
