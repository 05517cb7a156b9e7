# Sourced by bench/run.sh: every output as the user gets it, one tagrio-cli
# process each (record file load, build, write), timed from outside. The
# 1-record run of each output is its fixed cost, the "start-up" the growth
# checks subtract.
declare -A output_titles=(
  [xlsx-template]="xlsx template" [xlsx-a]="xlsx type A" [xlsx-b-trunk]="xlsx type B trunk"
  [xlsx-b-branch]="xlsx type B branch"
  [pdf-a]="PDF type A" [pdf-b-trunk]="PDF type B trunk" [pdf-b-branch]="PDF type B branch"
)
# Time targets at 10,000 records (ms); the workbooks have none of their own
# (they are held against the direct program in bench/spreadsheet).
declare -A output_time_targets=([pdf-a]=5000 [pdf-b-trunk]=3000 [pdf-b-branch]=3000)
declare -A output_memory_targets=(
  [xlsx-template]=300 [xlsx-a]=300 [xlsx-b-trunk]=300 [xlsx-b-branch]=300
  [pdf-a]=250 [pdf-b-trunk]=250 [pdf-b-branch]=250
)

for output in xlsx-template xlsx-a xlsx-b-trunk xlsx-b-branch pdf-a pdf-b-trunk pdf-b-branch; do
  format=${output%%-*}
  kind=${output#*-}
  title=${output_titles[$output]}
  for records in 1 1000 10000; do
    label="$(grouped "$records") records"
    ((records == 1)) && label="1 record (start-up)"
    [[ $output == xlsx-template ]] && ((records == 1)) && continue
    time_target="" memory_target=""
    if ((records == 10000)); then
      time_target=${output_time_targets[$output]:-}
      memory_target=${output_memory_targets[$output]}
    fi
    # The rows the growth checks hold against the 10,000-record one: ten runs a try (see run.sh).
    runs=1
    ((records < 10000)) && [[ $output != xlsx-template ]] && runs=10
    benchmarks+=("$output-$records|$title, $label|$process $cli $format $kind $data/records-$records.kav -o $data/$output.$format|$time_target|$memory_target|$runs")
  done
  # The template reads no records: it does not grow with them.
  [[ $output == xlsx-template ]] && continue
  checks+=(
    "$title: 1,000 < 10,000 / 10 + start-up|small|$output-1000|$output-10000|$output-1"
    "$title: 10,000 - start-up <= 11 x (1,000 - start-up)|linear|$output-1000|$output-10000|$output-1"
  )
  [[ $format == pdf ]] && checks+=("$title: peak at 10,000 <= 1.5 x peak at 1,000|flat|$output-1000|$output-10000")
done
