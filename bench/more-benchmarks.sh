# Sourced by run.sh: each subsystem adds its rows to "benchmarks" in
# bench/<subsystem>/benchmarks.sh.
for more in "$root"/bench/*/benchmarks.sh; do
  # shellcheck source=/dev/null
  [[ -f "$more" ]] && source "$more"
done
