#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 60) with libFuzzer and reports
# executions, coverage and findings.  Usage: [FUZZ_TARGETS=...] [FUZZ_JOBS=N] bench/fuzz.sh [SECONDS]
# Findings land in bench/out/fuzz/<target>/; keep each one as a regression
# input under tests/fuzz/regressions/<target>/ once fixed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$root/build-fuzz"
work="$root/bench/out/fuzz"
"$root/deps/install.sh"
CC=clang CXX=clang++ "$root/deps/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGRIO_FUZZ=ON >/dev/null
# FUZZ_TARGETS="a b" runs only those targets.
read -r -a targets <<<"${FUZZ_TARGETS:-fuzz_text_decode fuzz_comma_text fuzz_record_load fuzz_settings_load fuzz_paste fuzz_csv_table fuzz_recovery_copy fuzz_xlsx_read fuzz_lock_file}"
cmake --build "$build" --target "${targets[@]}" >/dev/null

parallel="${FUZZ_JOBS:-$(nproc)}"
run_one() {
  local target=$1 dir="$work/$1"
  mkdir -p "$dir/corpus"
  cp -n "$root/tests/fuzz/corpus/$target/"* "$dir/corpus/" 2>/dev/null || true
  "$build/tests/fuzz/$target" "$dir/corpus" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=4096 \
    -artifact_prefix="$dir/" -print_final_stats=1 >"$dir/log.txt" 2>&1 || true
}
export -f run_one
export root build work seconds
printf '%s\n' "${targets[@]}" | xargs -P "$parallel" -I{} bash -c 'run_one {}'

findings=0
printf '%-20s %14s %8s %8s %9s\n' target executions cov ft findings
for target in "${targets[@]}"; do
  log="$work/$target/log.txt"
  execs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -n 1 | grep -oE '[0-9]+' || echo 0)
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -n 1 | grep -oE '[0-9]+' || echo 0)
  found=$(find "$work/$target" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*' | wc -l)
  findings=$((findings + found))
  printf '%-20s %14s %8s %8s %9s\n' "$target" "$execs" "$cov" "$ft" "$found"
done
exit $((findings > 0))
