#!/usr/bin/env bash
# Builds the Debian package, checks its files and metadata, unpacks it into a
# scratch root and makes a PDF with the unpacked tagrio-cli.
#   package_test.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
src="$1"; scratch="$2"
rm -rf "$scratch"; mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$(BUILD_DIR="$scratch/build" "$src/deps/package.sh" | tail -n 1)
[[ -f "$deb" ]] || fail "package.sh did not name a package: '$deb'"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for want in ./usr/bin/tagrio ./usr/bin/tagrio-cli ./usr/share/applications/tagrio.desktop \
            ./usr/share/mime/packages/tagrio-records.xml ./usr/share/metainfo/jp.tagrio.Tagrio.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/tagrio.svg ./usr/share/icons/hicolor/48x48/apps/tagrio.png \
            ./usr/share/man/man1/tagrio-cli.1; do
  grep -qx -- "$want" <<<"$files" || fail "the package lacks $want"
done

depends=$(dpkg-deb -f "$deb" Depends)
for want in libqt6widgets6 libxlsxwriter fonts-ipafont-mincho libreoffice-calc; do
  grep -q "$want" <<<"$depends" || fail "Depends lacks $want: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tagrio.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/jp.tagrio.Tagrio.metainfo.xml"
grep -q 'glob pattern="\*.kav"' "$root/usr/share/mime/packages/tagrio-records.xml" || fail "no *.kav glob"
grep -q "tagrio-cli pdf" "$root/usr/share/man/man1/tagrio-cli.1" || fail "the man page lacks the pdf command"

"$root/usr/bin/tagrio-cli" pdf a "$src/samples/sample.kav" -o "$scratch/sample.pdf" >/dev/null
pages=$(pdfinfo "$scratch/sample.pdf" | awk '/^Pages:/ {print $2}')
[[ "$pages" == 2 ]] || fail "the unpacked tagrio-cli wrote $pages pages, expected 2"
echo "package test passed: $deb"
