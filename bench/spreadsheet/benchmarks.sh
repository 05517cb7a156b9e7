# Sourced by bench/run.sh: building and writing the workbooks for 10,000
# records in one process, against a program that calls libxlsxwriter
# directly for the same cells; the workbook may take 1.25 times as long.
for kind in a b-trunk; do
  title="xlsx type A"
  [[ $kind == b-trunk ]] && title="xlsx type B trunk"
  benchmarks+=(
    "direct-$kind|$title, 10,000, direct libxlsxwriter program|$bin/bench_spreadsheet direct $kind 10000 $data/direct-$kind.xlsx||"
    "model-$kind|$title, 10,000, workbook model and writer|$bin/bench_spreadsheet model $kind 10000 $data/model-$kind.xlsx||300"
  )
  checks+=("$title: model <= 1.25 x direct program|ratio|model-$kind|direct-$kind")
done
