#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, its DLLs found in the
# toolchain prefix and the compiler's runtime folder. CMake uses it to run the
# Windows tests (CMAKE_CROSSCOMPILING_EMULATOR); deps/windows/test.sh too.
# Wine passes no QT_* variable to the program: give Qt options as arguments.
set -euo pipefail
prefix="${TAGRIO_WINDOWS_PREFIX:-$HOME/.cache/tagrio-windows}"
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPATH="Z:$prefix/bin;Z:$prefix/lib;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
wine=wine
command -v wine64 >/dev/null && wine=wine64
exec "$wine" "$@"
