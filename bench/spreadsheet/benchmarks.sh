# Sourced by bench/run.sh: the spreadsheet outputs for 10,000 records against
# a program calling libxlsxwriter directly for the same cells. The time target
# is 1.25 times the direct program's best time on this machine, measured here.
spreadsheet_direct_best() {
  local best="" line ms
  for _ in 1 2 3; do
    line=$("$bin/bench_spreadsheet" direct "$1" 10000 "$data/direct-$1.xlsx" | grep -E '^time_ms=')
    ms=${line#time_ms=}; ms=${ms%% *}
    if [[ -z "$best" ]] || awk -v a="$ms" -v b="$best" 'BEGIN{exit !(a<b)}'; then best=$ms; fi
  done
  awk -v b="$best" 'BEGIN{printf "%d", b * 1.25}'
}
benchmarks+=(
  "xlsx type A, 10,000 records (direct x1.25)|$bin/bench_spreadsheet model a 10000 $data/type-a.xlsx|$(spreadsheet_direct_best a)|300"
  "xlsx type B trunk, 10,000 records (direct x1.25)|$bin/bench_spreadsheet model b-trunk 10000 $data/type-b.xlsx|$(spreadsheet_direct_best b-trunk)|300"
)
