#!/usr/bin/env bash
# Builds, once, everything the Windows build of tagrio links against, from
# Debian's archive only: zlib, minizip, libxlsxwriter, googletest, ICU and
# qtbase, cross-compiled with mingw-w64 (posix threads) into
# $TAGRIO_WINDOWS_PREFIX (default ~/.cache/tagrio-windows).
#
# Each part leaves a stamp file when it is installed, so a second run does
# nothing and a run after a failure resumes at the part that failed.
# Needs root for apt-get (the packages in deps/windows/debian-packages.txt).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
prefix="${TAGRIO_WINDOWS_PREFIX:-$HOME/.cache/tagrio-windows}"
work="${TAGRIO_WINDOWS_WORK:-$prefix/.work}"
jobs="${TAGRIO_WINDOWS_JOBS:-$(nproc)}"
host=x86_64-w64-mingw32
toolchain="$here/mingw-toolchain.cmake"
export TAGRIO_WINDOWS_PREFIX="$prefix"
mkdir -p "$prefix" "$work/src" "$work/build" "$prefix/.stamps"

summary=()
# part NAME FUNCTION: runs FUNCTION unless NAME's stamp exists; records the time.
part() {
    local name="$1" fn="$2" stamp="$prefix/.stamps/$1"
    if [[ -e "$stamp" ]]; then
        summary+=("$name: already built")
        return
    fi
    echo "=== $name: building ($(date -u +%H:%M:%S) UTC)"
    local start=$SECONDS
    "$fn"
    local took=$((SECONDS - start))
    echo "$took" > "$stamp"
    summary+=("$name: built in $((took / 60)) min $((took % 60)) s")
    echo "=== $name: done in ${took} s"
}

packages() {
    # Debian's source packages need a deb-src entry beside the binary one.
    local sources=/etc/apt/sources.list.d/debian.sources
    if [[ -f "$sources" ]] && ! grep -q '^Types:.*deb-src' "$sources"; then
        sed -e 's/^Types: deb$/Types: deb-src/' "$sources" > /etc/apt/sources.list.d/debian-src.sources
    elif [[ ! -f "$sources" ]] && ! grep -rqs '^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/debian-src.list
    fi
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        $(grep -v '^#' "$here/debian-packages.txt")
}

# source NAME[=VERSION] DIRVAR: downloads and unpacks one Debian source package.
unpack_source() {
    local wanted="$1" name="${1%%=*}"
    mkdir -p "$work/src/$name"
    cd "$work/src/$name"
    if ! ls -d */ >/dev/null 2>&1; then
        apt-get source --download-only "$wanted"
        dpkg-source -x --no-check ./*.dsc
    fi
}
sources() {
    # The security suite's newer zlib has no downloadable .dsc; bookworm's has.
    unpack_source zlib=1:1.2.13.dfsg-1
    unpack_source icu
    unpack_source libxlsxwriter
    unpack_source qt6-base
}
source_dir() { ls -d "$work/src/$1"/*/ | head -n1; }

zlib() {
    # Debian's source leaves out win32/, so zlib's own CMake build it is
    # (zlib1.dll is then libzlib.dll).
    local src; src="$(source_dir zlib)"
    # ... and without win32/zlib1.rc, which that build compiles in: a plain
    # version resource stands in.
    mkdir -p "$src/win32"
    [[ -e "$src/win32/zlib1.rc" ]] || cat > "$src/win32/zlib1.rc" <<'EOF'
#include <winver.h>
1 VERSIONINFO FILEVERSION 1,2,13,0 PRODUCTVERSION 1,2,13,0 FILETYPE VFT_DLL
BEGIN
END
EOF
    cmake -S "$src" -B "$work/build/zlib" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DINSTALL_PKGCONFIG_DIR="$prefix/lib/pkgconfig"
    cmake --build "$work/build/zlib" -j"$jobs"
    cmake --install "$work/build/zlib"
    # zlib.pc and libxlsxwriter's .pc ask for -lz.
    cp "$prefix/lib/libzlib.dll.a" "$prefix/lib/libz.dll.a"
}

minizip() {
    # zlib's contrib/minizip, with iowin32.c for wide (UTF-16) file names.
    local src; src="$(source_dir zlib)/contrib/minizip"
    mkdir -p "$work/build/minizip-src"
    cp "$src"/{ioapi,unzip,zip,iowin32,mztools}.[ch] "$src"/crypt.h "$work/build/minizip-src/"
    cat > "$work/build/minizip-src/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(minizip C)
find_package(ZLIB REQUIRED)
add_library(minizip SHARED ioapi.c unzip.c zip.c iowin32.c mztools.c)
target_link_libraries(minizip PRIVATE ZLIB::ZLIB)
set_target_properties(minizip PROPERTIES PREFIX "lib")
install(TARGETS minizip RUNTIME DESTINATION bin LIBRARY DESTINATION lib ARCHIVE DESTINATION lib)
install(FILES ioapi.h unzip.h zip.h iowin32.h mztools.h crypt.h DESTINATION include/minizip)
EOF
    cmake -S "$work/build/minizip-src" -B "$work/build/minizip" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
    cmake --build "$work/build/minizip" -j"$jobs"
    cmake --install "$work/build/minizip"
    mkdir -p "$prefix/lib/pkgconfig"
    cat > "$prefix/lib/pkgconfig/minizip.pc" <<EOF
prefix=$prefix
Name: minizip
Description: zip and unzip with zlib
Version: 1.2.13
Requires.private: zlib
Libs: -L\${prefix}/lib -lminizip
Cflags: -I\${prefix}/include/minizip
EOF
}

libxlsxwriter() {
    local src; src="$(source_dir libxlsxwriter)"
    cmake -S "$src" -B "$work/build/libxlsxwriter" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DUSE_SYSTEM_MINIZIP=ON -DBUILD_SHARED_LIBS=ON -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
        -DMINIZIP_INCLUDE_DIRS="$prefix/include" -DZLIB_ROOT="$prefix"
    cmake --build "$work/build/libxlsxwriter" -j"$jobs"
    cmake --install "$work/build/libxlsxwriter"
    if [[ ! -e "$prefix/lib/pkgconfig/xlsxwriter.pc" ]]; then
        local version; version="$(sed -n 's/.*LXW_VERSION "\(.*\)".*/\1/p' "$src/include/xlsxwriter.h")"
        cat > "$prefix/lib/pkgconfig/xlsxwriter.pc" <<EOF
prefix=$prefix
Name: xlsxwriter
Description: writes xlsx workbooks
Version: $version
Requires.private: minizip zlib
Libs: -L\${prefix}/lib -lxlsxwriter
Cflags: -I\${prefix}/include
EOF
    fi
}

googletest() {
    cmake -S /usr/src/googletest -B "$work/build/googletest" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=OFF
    cmake --build "$work/build/googletest" -j"$jobs"
    cmake --install "$work/build/googletest"
}

icu_source() { local s; s="$(source_dir icu)"; [[ -d "$s/source" ]] && echo "$s/source" || echo "$s"; }
icu_options=(--disable-tests --disable-samples --disable-extras --disable-layoutex)
icu_host() {
    # ICU's cross build runs the host's data tools, so they are built first.
    local src; src="$(icu_source)"
    rm -rf "$work/build/icu-host"; mkdir -p "$work/build/icu-host"
    cd "$work/build/icu-host"
    "$src/configure" "${icu_options[@]}"
    make -j"$jobs"
}
icu() {
    local src; src="$(icu_source)"
    rm -rf "$work/build/icu"; mkdir -p "$work/build/icu"
    cd "$work/build/icu"
    "$src/configure" --host=$host --with-cross-build="$work/build/icu-host" \
        --enable-shared --disable-static --prefix="$prefix" "${icu_options[@]}" \
        CC=$host-gcc-posix CXX=$host-g++-posix CXXFLAGS="-O2 -std=c++17" CFLAGS=-O2
    make -j"$jobs"
    make install
}

qtbase() {
    local src; src="$(source_dir qt6-base)"
    # Without direct2d the DirectWrite font engine is not compiled, yet the
    # print engine and the windows plugin still call it when directwrite is on:
    # those uses get the direct2d condition too.
    grep -rl --include='*.cpp' --include='*.h' 'QT_CONFIG(directwrite' \
        "$src/src/printsupport" "$src/src/plugins/platforms/windows" |
    while read -r file; do
        sed -i -E '/QT_CONFIG\(direct2d\)/! s/^(#\s*(el)?if.*QT_CONFIG\(directwrite3?\))(.*)$/\1 \&\& QT_CONFIG(direct2d)\3/' "$file"
    done
    cmake -E make_directory "$work/build/qtbase"
    cd "$work/build/qtbase"
    "$src/configure" -prefix "$prefix" -release -shared -xplatform win32-g++ -qt-host-path /usr \
        -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-pkg-config \
        -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
        -no-feature-tabletevent -no-feature-direct2d -no-feature-vulkan \
        -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype \
        -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    cmake --build . --parallel "$jobs"
    cmake --install .
}

# Dependency order; the quick parts first so that a broken set-up shows early.
part packages packages
part sources sources
part zlib zlib
part minizip minizip
part libxlsxwriter libxlsxwriter
part googletest googletest
part icu-host icu_host
part icu icu
part qtbase qtbase

echo
echo "Windows toolchain in $prefix ($(du -sh --exclude=.work "$prefix" | cut -f1)):"
printf '  %s\n' "${summary[@]}"
