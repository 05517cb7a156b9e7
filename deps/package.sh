#!/usr/bin/env bash
# Builds the Debian package: deps/package.sh
# Installs what is missing, builds in release mode in $BUILD_DIR (default
# build/package), and prints the path of the .deb as its last line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/deps/install.sh"
dir="${BUILD_DIR:-$root/build/package}"
"$root/deps/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DTAGRIO_TESTS=OFF >&2
(cd "$dir" && cpack -G DEB >&2)
deb=$(ls -t "$dir"/tagrio_*.deb | head -n 1)
echo "$deb"
