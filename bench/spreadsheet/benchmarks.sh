# Sourced by bench/run.sh: building and writing the workbooks in one process,
# against a program that calls libxlsxwriter directly for the same cells; the
# workbook may take 1.25 times as long. For type A both are also measured at
# 1 and 1,000 records, so that the table shows how libxlsxwriter itself grows
# from 1,000 to 10,000 records (for reference: not a target of ours).
for kind in a b-trunk; do
  title="xlsx type A"
  [[ $kind == b-trunk ]] && title="xlsx type B trunk"
  for program in direct model; do
    name="model and writer"
    [[ $program == direct ]] && name="direct libxlsxwriter"
    counts=(10000)
    [[ $kind == a ]] && counts=(1 1000 10000)
    for records in "${counts[@]}"; do
      label="$(grouped "$records") records"
      ((records == 1)) && label="1 record"
      memory_target=""
      if [[ $program == model ]] && ((records == 10000)); then memory_target=300; fi
      runs=1
      ((records < 10000)) && runs=10 # held against the 10,000-record row (see run.sh)
      benchmarks+=("$program-$kind-$records|$title, $label, $name|$bin/bench_spreadsheet $program $kind $records $data/$program-$kind.xlsx||$memory_target|$runs")
    done
  done
  checks+=("$title: model <= 1.25 x direct program|ratio|model-$kind-10000|direct-$kind-10000")
done
checks+=(
  "xlsx type A, direct: 10,000 - 1 <= 11 x (1,000 - 1)|linear/ref|direct-a-1000|direct-a-10000|direct-a-1"
  "xlsx type A, model: 10,000 - 1 <= 11 x (1,000 - 1)|linear/ref|model-a-1000|model-a-10000|model-a-1"
)
