#!/usr/bin/env bash
# Tests the Windows build under Wine (with Xvfb for a display):
#  1. the unit and CLI tests built for Windows (ctest, each run through Wine);
#  2. tagrio-cli.exe against the Linux tagrio-cli on the same inputs: dump
#     (Shift_JIS CR LF sample and a UTF-8 copy), save (bytes), pdf (pages,
#     texts and word places through pdftotext), xlsx (the cells: sheet and string parts),
#     import of an .xlsx (the record file written);
#  3. tagrio.exe opening the sample: a screenshot to look at;
#  4. the installer, silently, and the installed tagrio-cli.exe.
#   deps/windows/test.sh [WINDOWS_BUILD_DIR] [LINUX_BUILD_DIR]
# Defaults: build-windows (built by deps/windows/build.sh when missing) and build.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
windows="${1:-$root/build-windows}"
linux="${2:-$root/build}"
export TAGRIO_WINDOWS_PREFIX="${TAGRIO_WINDOWS_PREFIX:-$HOME/.cache/tagrio-windows}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/tagrio-wine}"
run="$here/wine-run.sh"

# A package added to the list after the toolchain was built arrives here.
"$root/deps/install.sh" "$here/debian-packages.txt"
[[ -x "$windows/src/main/tagrio-cli.exe" ]] || "$here/build.sh" "$windows"
[[ -x "$linux/src/main/tagrio-cli" ]] || { echo "No Linux build in $linux (deps/build.sh $linux)" >&2; exit 1; }

# One X server for the whole run: Wine's drivers and tagrio.exe need a display.
if [[ -z "${TAGRIO_WINDOWS_TEST_UNDER_XVFB:-}" ]]; then
    TAGRIO_WINDOWS_TEST_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$windows" "$linux"
fi

# From here on a failing step is counted and the run goes on.
set +e
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$run" cmd /c exit >/dev/null 2>&1 || true # creates the Wine prefix once (about 15 s)

echo "== unit and CLI tests under Wine"
(cd "$windows" && ctest --output-on-failure --timeout 600) || fail "ctest under Wine"

echo "== tagrio-cli.exe against the Linux build"
cliWin() { "$run" "$windows/src/main/tagrio-cli.exe" "$@"; }
cliLinux() { QT_QPA_PLATFORM=offscreen "$linux/src/main/tagrio-cli" "$@"; }
# A copy: the window program leaves a lock file beside the list it opens.
sample="$out/sample.kav"
cp "$root/samples/sample.kav" "$sample"
iconv -f SHIFT_JIS -t UTF-8 "$sample" | tr -d '\r' > "$out/utf8.kav"
today=(--today 2026-12-10)

same() { # same WHAT FILE_A FILE_B
    if cmp -s "$2" "$3"; then pass "$1"; else fail "$1 differs"; diff <(head -c 2000 "$2") <(head -c 2000 "$3") | head -20; fi
}
for input in "$sample" "$out/utf8.kav"; do
    name="$(basename "$input")"
    cliWin dump "$input" > "$out/win-dump-$name.json"
    cliLinux dump "$input" > "$out/linux-dump-$name.json"
    same "dump $name" "$out/win-dump-$name.json" "$out/linux-dump-$name.json"
    cliWin save "$input" "$out/win-$name" && cliLinux save "$input" "$out/linux-$name"
    same "save $name (bytes)" "$out/win-$name" "$out/linux-$name"
done

# Pages, texts and where each word stands; the file bytes differ (creation
# dates, font subsets) and so do the font engines' roundings (same-words.py).
for kind in a b-trunk b-branch; do
    cliWin pdf "$kind" "$sample" -o "$out/win-$kind.pdf" "${today[@]}"
    cliLinux pdf "$kind" "$sample" -o "$out/linux-$kind.pdf" "${today[@]}"
    for side in win linux; do
        pdfinfo "$out/$side-$kind.pdf" | grep '^Pages:' > "$out/$side-$kind.pages"
        pdftotext -bbox "$out/$side-$kind.pdf" "$out/$side-$kind.html"
    done
    same "pdf $kind pages" "$out/win-$kind.pages" "$out/linux-$kind.pages"
    if offsets="$(python3 "$here/same-words.py" "$out/win-$kind.html" "$out/linux-$kind.html")"; then
        pass "pdf $kind texts and places: $offsets"
    else
        fail "pdf $kind texts or places: $offsets"
    fi
    if [[ "$(pdffonts "$out/win-$kind.pdf" | tail -n +3 | wc -l)" -eq 0 ]]; then
        fail "pdf $kind from Windows embeds no font"
    fi
done

# The cells: every sheet's XML and the shared strings (docProps hold the time).
# (unzip fails when a workbook has no shared strings; what it wrote is compared.)
cells() { unzip -p "$1" 'xl/worksheets/*.xml' 'xl/sharedStrings.xml' 2>/dev/null || true; }
for kind in template a b-trunk b-branch; do
    input=("$sample"); [[ "$kind" == template ]] && input=()
    cliWin xlsx "$kind" "${input[@]}" -o "$out/win-$kind.xlsx" "${today[@]}"
    cliLinux xlsx "$kind" "${input[@]}" -o "$out/linux-$kind.xlsx" "${today[@]}"
    cells "$out/win-$kind.xlsx" > "$out/win-$kind.cells"
    cells "$out/linux-$kind.xlsx" > "$out/linux-$kind.cells"
    [[ -s "$out/linux-$kind.cells" ]] || fail "xlsx $kind: no cells read from the Linux workbook"
    same "xlsx $kind cells" "$out/win-$kind.cells" "$out/linux-$kind.cells"
done

# Import of a workbook, from a folder whose name is outside the ANSI code page.
wide="$out/表한"
mkdir -p "$wide"
cliLinux export "$sample" -o "$wide/一覧.xlsx"
cliWin import "$wide/一覧.xlsx" -o "$wide/win.kav"
cliLinux import "$wide/一覧.xlsx" -o "$wide/linux.kav"
same "import .xlsx" "$wide/win.kav" "$wide/linux.kav"
cliWin xlsx a "$sample" -o "$wide/名板.xlsx" "${today[@]}" && [[ -s "$wide/名板.xlsx" ]] &&
    pass "xlsx into a folder outside the ANSI code page" || fail "xlsx into a folder outside the ANSI code page"

# window_of PID: the id of the first window the program shows, waiting for
# it as long as a slow machine needs; empty when none came.
window_of() {
    local window=""
    for _ in $(seq 1 300); do
        window="$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1 || true)"
        [[ -z "$window" ]] && window="$(xdotool search --onlyvisible --name 'タグリオ|sample' 2>/dev/null | head -n1 || true)"
        [[ -n "$window" ]] && break
        kill -0 "$1" 2>/dev/null || break
        sleep 1
    done
    echo "$window"
}

echo "== tagrio.exe opening the sample"
shot="$windows/tagrio-under-wine.png"
"$run" "$windows/src/main/tagrio.exe" "$sample" >/dev/null 2>&1 &
app=$!
window="$(window_of "$app")"
if [[ -n "$window" ]]; then
    geometry="$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
    [[ "$geometry" == 1076x600 ]] && pass "tagrio.exe window 1076x600" || fail "tagrio.exe window is $geometry, not 1076x600"
    sleep 3 # only so that the screenshot shows the filled grid
    if import -window root "$shot"; then
        pass "tagrio.exe shows a window; screenshot $shot"
    else
        fail "no screenshot of tagrio.exe (ImageMagick's import)"
    fi
else
    fail "tagrio.exe showed no window"
fi
kill "$app" 2>/dev/null || true
wineserver -k 2>/dev/null || true

echo "== installer"
# The installed programs run with nothing of the toolchain on the DLL path,
# as on a user's machine: a DLL the installer left out fails them here.
installed() { WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine "$@"; }
installer="$(ls "$windows"/tagrio-*-windows-x64.exe 2>/dev/null | head -n1 || true)"
if [[ -z "$installer" ]]; then
    fail "no installer in $windows (deps/windows/build.sh)"
else
    # From a clean prefix: an earlier run's files, keys or shortcut would
    # stand in for missing ones.
    folder="$(winepath -u 'C:\Tagrio' 2>/dev/null)"
    startMenu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/タグリオ"
    rm -rf "$folder" "$startMenu"
    "$run" reg delete 'HKCR\.kav' /f >/dev/null 2>&1
    "$run" reg delete 'HKCR\Tagrio.RecordFile' /f >/dev/null 2>&1
    timeout 600 "$run" "$installer" /S '/D=C:\Tagrio' || fail "silent install (a box left open stops it)"
    if installed "$folder/bin/tagrio-cli.exe" dump "$sample" | cmp -s - "$out/linux-dump-sample.kav.json"; then
        pass "installed tagrio-cli.exe dumps the sample"
    else
        fail "installed tagrio-cli.exe dump"
    fi
    # A workbook loads libxlsxwriter, minizip and zlib.
    installed "$folder/bin/tagrio-cli.exe" xlsx a "$sample" -o "$out/installed.xlsx" "${today[@]}" >/dev/null
    cells "$out/installed.xlsx" > "$out/installed.cells"
    same "installed tagrio-cli.exe writes a workbook" "$out/installed.cells" "$out/linux-a.cells"
    installed "$folder/bin/tagrio.exe" "$sample" >/dev/null 2>&1 &
    app=$!
    [[ -n "$(window_of "$app")" ]] && pass "installed tagrio.exe shows its window" || fail "installed tagrio.exe showed no window"
    kill "$app" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [[ -f "$startMenu/タグリオ.lnk" ]] &&
        pass "Start-menu entry タグリオ" || fail "no Start-menu entry タグリオ"
    "$run" reg query 'HKCR\Tagrio.RecordFile\shell\open\command' 2>/dev/null | grep -q 'C:\\Tagrio\\bin\\tagrio.exe' &&
        "$run" reg query 'HKCR\.kav' 2>/dev/null | grep -q Tagrio.RecordFile &&
        pass ".kav files open in tagrio.exe" || fail ".kav file type not registered"
    if [[ -f "$folder/Uninstall.exe" ]]; then
        # _?= keeps the uninstaller in place, so that it has finished on return.
        timeout 600 "$run" "$folder/Uninstall.exe" /S '_?=C:\Tagrio'
        [[ ! -e "$folder/bin/tagrio.exe" && ! -e "$startMenu/タグリオ.lnk" ]] && ! "$run" reg query 'HKCR\.kav' >/dev/null 2>&1 &&
            pass "the uninstaller removes the program and the file type" || fail "the uninstaller left the program or the file type"
    else
        fail "no uninstaller"
    fi
fi

echo
if ((failures)); then
    echo "Windows build under Wine: $failures FAILED"
    exit 1
fi
echo "Windows build under Wine: all passed"
