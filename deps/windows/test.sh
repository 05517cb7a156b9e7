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
sample="$root/samples/sample.kav"
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
cells() { unzip -p "$1" 'xl/worksheets/*.xml' 'xl/sharedStrings.xml' 2>/dev/null; }
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

echo "== tagrio.exe opening the sample"
shot="$windows/tagrio-under-wine.png"
"$run" "$windows/src/main/tagrio.exe" "$sample" >/dev/null 2>&1 &
app=$!
for _ in $(seq 1 120); do
    window="$(xdotool search --name 'タグリオ|tagrio|sample' 2>/dev/null | head -n1 || true)"
    [[ -n "$window" ]] && break
    sleep 1
done
if [[ -n "${window:-}" ]]; then
    sleep 3 # the grid fills once the window is shown
    import -window root "$shot"
    echo "Window geometry: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
    pass "tagrio.exe shows a window; screenshot $shot"
else
    fail "tagrio.exe showed no window"
fi
kill "$app" 2>/dev/null || true
wineserver -k 2>/dev/null || true

echo "== installer"
installer="$(ls "$windows"/tagrio-*-windows-x64.exe 2>/dev/null | head -n1 || true)"
if [[ -z "$installer" ]]; then
    fail "no installer in $windows (deps/windows/build.sh)"
else
    "$run" "$installer" /S '/D=C:\Tagrio' || fail "silent install"
    installed="$(winepath -u 'C:\Tagrio\bin\tagrio-cli.exe' 2>/dev/null)"
    if [[ -f "$installed" ]] && "$run" "$installed" dump "$sample" | cmp -s - "$out/linux-dump-sample.kav.json"; then
        pass "installed tagrio-cli.exe dumps the sample"
    else
        fail "installed tagrio-cli.exe"
    fi
    [[ -f "$(dirname "$(dirname "$installed")")/Uninstall.exe" ]] && pass "uninstaller installed" || fail "no uninstaller"
fi

echo
if ((failures)); then
    echo "Windows build under Wine: $failures FAILED"
    exit 1
fi
echo "Windows build under Wine: all passed"
