#!/usr/bin/env bash
# Builds the programs in release mode, writes the record files the rows read
# and prints one table: each row's best time and highest peak memory over its
# tries, against the row's targets; then how each output grows from 1,000 to
# 10,000 records (printed, never a failure). Exits non-zero when a row misses
# a target or its command fails.
#   bench/run.sh                 three tries a row
#   BENCH_TRIES=N bench/run.sh   N tries a row
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
data="$root/bench/out"

"$root/deps/install.sh"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$build" --target tagrio tagrio-cli bench_records bench_sheet_view bench_first_paint bench_process \
  bench_print bench_spreadsheet bench_preview bench_reads -- -j"$(nproc)" >/dev/null

bin="$build/bench"
cli="$build/src/main/tagrio-cli"
mkdir -p "$data"
# The same files every run: 1,000 and 10,000 records, and a full sheet of 100,000 rows.
for records in 1000 10000; do
  "$bin/bench_records" generate "$records" "$((records + 1))" "$data/records-$records.kav"
done
"$bin/bench_records" generate 99999 100000 "$data/rows-100000.kav"
"$cli" export "$data/records-10000.kav" -o "$data/records-10000.xlsx" >/dev/null
# Hostile inputs, made once: small on disk, huge inflated.
for kind in merges strings blanks wide; do
  [[ -f $data/hostile-$kind.xlsx ]] || "$bin/bench_reads" workbook "$kind" "$data/hostile-$kind.xlsx" >/dev/null
done
mkdir -p "$data/recovery"
cp "$data/records-1000.kav" "$data/recovery/tagrio-2147483646.kav"
truncate -s 1G "$data/recovery/tagrio-2147483646.json" # sparse: no disk used

# name | command printing "time_ms=T peak_kb=K" | time target (ms) | peak target (MB); empty: none
rows=(
  "load 100,000 rows|$bin/bench_records load $data/rows-100000.kav|250|150"
  "save 100,000 rows|$bin/bench_records save $data/rows-100000.kav|250|150"
  "paste 10,000 lines + sort + renumber|$bin/bench_records paste 10000|150|"
  "100 undo steps of paste/delete on 100,000 rows|$bin/bench_records undo-steps $data/rows-100000.kav||"
  "autosave 100,000 rows: worker thread write|$bin/bench_records autosave-write $data/rows-100000.kav|150|150"
  "autosave 100,000 rows: interface thread copy|$bin/bench_records autosave-snapshot $data/rows-100000.kav|20|150"
  "sheet view: 100,000 rows set and painted|$bin/bench_sheet_view $data/rows-100000.kav|250|150"
  "start to first painted window|env QT_QPA_PLATFORM=offscreen LD_PRELOAD=$bin/libbench_first_paint.so $build/src/main/tagrio|500|120"
  "PDF type A, 10,000: longest pause without repaint|$bin/bench_print a $data/records-10000.kav $data/pause.pdf|100|"
  "xlsx type A, 10,000: longest pause without repaint|$bin/bench_spreadsheet a $data/records-10000.kav $data/pause.xlsx|100|"
  "import 10,000-record .xlsx|$bin/bench_process $cli import $data/records-10000.xlsx -o $data/imported.kav|1000|150"
  "read 15 KB .xlsx: 200,000 merged areas|$bin/bench_reads read $data/hostile-merges.xlsx|1000|150"
  "read 290 KB .xlsx: 40 M empty shared strings|$bin/bench_reads read $data/hostile-strings.xlsx|3000|100"
  "read 190 KB .xlsx: 190 MB of blanks|$bin/bench_reads read $data/hostile-blanks.xlsx|1000|100"
  "read 8.7 MB .xlsx: 99,999 rows x 50 columns|$bin/bench_reads read $data/hostile-wide.xlsx|8000|250"
  "recovery listing: 1 GB description|$bin/bench_reads recovery $data/recovery|100|50"
  "preview 100,000: first page; memory over before|env QT_QPA_PLATFORM=offscreen $bin/bench_preview $data/rows-100000.kav open|1000|50"
  "preview 100,000: close; memory kept over before|env QT_QPA_PLATFORM=offscreen $bin/bench_preview $data/rows-100000.kav close||20"
)
# The outputs as the user gets them, one tagrio-cli process each, timed from
# outside: format kind | title | time target at 10,000 (ms) | peak target at 10,000 (MB)
outputs=(
  "pdf a|PDF type A|1400|250"
  "pdf b-trunk|PDF type B trunk|1000|250"
  "pdf b-branch|PDF type B branch|1000|250"
  "xlsx a|xlsx type A||300"
  "xlsx b-trunk|xlsx type B trunk||300"
  "xlsx b-branch|xlsx type B branch||300"
)
growth=() # "title|row of 1,000|row of 10,000"
for output in "${outputs[@]}"; do
  IFS='|' read -r command title time_target memory_target <<<"$output"
  read -r format kind <<<"$command"
  growth+=("$title|${#rows[@]}|$((${#rows[@]} + 1))")
  for records in 1000 10000; do
    targets="|"
    ((records == 10000)) && targets="$time_target|$memory_target"
    rows+=("$title, ${records:0:-3},${records: -3} records|$bin/bench_process $cli $format $kind $data/records-$records.kav -o $data/output.$format|$targets")
  done
done

# Tries go in rounds, every row once a round, so that the machine's slow and
# fast stretches spread over all rows instead of falling on one.
declare -a best_ms peak_kb failed notes
tries=${BENCH_TRIES:-3}
for ((try = 1; try <= tries; try++)); do
  echo "try $try of $tries" >&2
  for i in "${!rows[@]}"; do
    [[ -z ${failed[i]:-} ]] || continue
    IFS='|' read -r _ command _ <<<"${rows[i]}"
    # shellcheck disable=SC2086 # the command is a word list
    if ! output=$(${command} 2>/dev/null) || ! line=$(grep -E '^time_ms=' <<<"$output"); then
      failed[i]=yes
      continue
    fi
    read -r ms kb < <(sed -E 's/time_ms=([0-9.]+) peak_kb=([0-9]+)/\1 \2/' <<<"$line")
    # Further figures a program prints as name=value words, shown under the table.
    notes[i]=$(grep -E '^[a-z_]+=' <<<"$output" | grep -vE '^time_ms=' | tr '\n' ' ' || true)
    if [[ -z ${best_ms[i]:-} ]] || awk -v a="$ms" -v b="${best_ms[i]}" 'BEGIN{exit !(a < b)}'; then
      best_ms[i]=$ms
    fi
    if ((kb > ${peak_kb[i]:-0})); then peak_kb[i]=$kb; fi
  done
done

within() { # value target: true when there is no target or the value is below it
  [[ -z $2 ]] || awk -v v="$1" -v t="$2" 'BEGIN{exit !(v < t)}'
}
megabytes() { awk -v k="$1" 'BEGIN{printf "%.1f", k / 1024}'; }
line() { printf '%-52s %9s %7s %8s %7s  %s\n' "$@"; }

status=0
line "row" "time ms" "target" "peak MB" "target" "result"
for i in "${!rows[@]}"; do
  IFS='|' read -r name _ time_target memory_target <<<"${rows[i]}"
  if [[ -n ${failed[i]:-} ]]; then
    status=1
    line "$name" "-" "${time_target:--}" "-" "${memory_target:--}" FAILED
    continue
  fi
  mb=$(megabytes "${peak_kb[i]}")
  result=ok
  if ! within "${best_ms[i]}" "$time_target" || ! within "$mb" "$memory_target"; then
    result=MISSED status=1
  fi
  line "$name" "${best_ms[i]}" "${time_target:--}" "$mb" "${memory_target:--}" "$result"
done

for i in "${!rows[@]}"; do
  [[ -z ${notes[i]:-} ]] || printf '  %s: %s\n' "${rows[i]%%|*}" "${notes[i]}"
done

growth_line() { printf '%-52s %9s %8s\n' "$@"; }
echo
growth_line "growth from 1,000 to 10,000 records" "time" "peak"
for entry in "${growth[@]}"; do
  IFS='|' read -r title small large <<<"$entry"
  if [[ -n ${failed[small]:-}${failed[large]:-} ]]; then
    growth_line "$title" "-" "-"
    continue
  fi
  growth_line "$title" "$(awk -v a="${best_ms[large]}" -v b="${best_ms[small]}" 'BEGIN{printf "%.2fx", a / b}')" \
    "$(awk -v a="${peak_kb[large]}" -v b="${peak_kb[small]}" 'BEGIN{printf "%.2fx", a / b}')"
done
exit $status
