#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: ./run.sh [FILE.kav]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
deps/install.sh
deps/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [[ -x build/src/main/tagrio && -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec build/src/main/tagrio "$@"
fi
sample="${1:-samples/sample.kav}"
out="$(mktemp -d)"
echo "No display (or no window build): writing outputs of $sample with tagrio-cli instead."
build/src/main/tagrio-cli dump "$sample" > "$out/records.json"
build/src/main/tagrio-cli texts "$sample" > "$out/nameplate-texts.txt"
build/src/main/tagrio-cli save "$sample" "$out/copy.kav"
echo "Wrote:"
ls -l "$out"
