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
cli=build/src/main/tagrio-cli
echo "No display: writing the nameplates of $sample with tagrio-cli instead."
for kind in a b-trunk b-branch; do
  "$cli" pdf "$kind" "$sample" -o "$out/nameplates-$kind.pdf"
  "$cli" xlsx "$kind" "$sample" -o "$out/nameplates-$kind.xlsx"
done
"$cli" xlsx template -o "$out/entry-sheet.xlsx"
echo "Wrote the nameplate PDFs and workbooks to $out:"
ls -l "$out"
