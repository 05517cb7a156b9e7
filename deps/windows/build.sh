#!/usr/bin/env bash
# Cross-builds tagrio.exe and tagrio-cli.exe (and the tests that run under
# Wine) with the toolchain that deps/windows/toolchain.sh built, then packs
# the NSIS installer and the portable zip.
#   deps/windows/build.sh [BUILD_DIR] [extra cmake arguments...]
# BUILD_DIR defaults to build-windows. Prints the installer's path last.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
prefix="${TAGRIO_WINDOWS_PREFIX:-$HOME/.cache/tagrio-windows}"
export TAGRIO_WINDOWS_PREFIX="$prefix"
if [[ ! -e "$prefix/.stamps/qtbase" ]]; then
    echo "No Windows toolchain in $prefix: run deps/windows/toolchain.sh first (about an hour on two cores)." >&2
    exit 1
fi
dir="${1:-$root/build-windows}"
[[ $# -gt 0 ]] && shift
cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
    "$@" >/dev/null
cmake --build "$dir" -- -j"$(nproc)"
(cd "$dir" && cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
echo "Portable zip: $(ls "$dir"/tagrio-*-windows-x64.zip)"
echo "Installer:    $(ls "$dir"/tagrio-*-windows-x64.exe)"
