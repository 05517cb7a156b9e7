#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
deps/install.sh
deps/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
