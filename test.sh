#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in the ordinary
# build, then in a build with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
root="$PWD"
deps/install.sh
jobs="$(nproc)"

echo "== build (RelWithDebInfo)"
deps/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

echo "== build with address and undefined-behaviour sanitizers"
deps/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTAGRIO_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

# The Windows build, when its toolchain is there; building that toolchain
# takes about an hour, so it is never started from here.
windows_prefix="${TAGRIO_WINDOWS_PREFIX:-$HOME/.cache/tagrio-windows}"
if [[ -e "$windows_prefix/.stamps/qtbase" ]]; then
    echo "== Windows build under Wine"
    deps/windows/build.sh build-windows
    deps/windows/test.sh build-windows build
else
    cat <<MESSAGE

########################################################################
##  THE WINDOWS BUILD WAS NOT TESTED: no toolchain in $windows_prefix
##  Build it once (about an hour on two cores, root for apt-get):
##      deps/windows/toolchain.sh
##  then run ./test.sh again, or deps/windows/build.sh and
##  deps/windows/test.sh.
########################################################################
MESSAGE
fi
