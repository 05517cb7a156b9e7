#!/usr/bin/env bash
# Rebuilds the seed corpora of the fuzz targets from the project's own fixtures.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$here/../.."
python3 - "$root" "$here/corpus" <<'PY'
import os, sys
root, out = sys.argv[1], sys.argv[2]
sample = open(os.path.join(root, 'samples/sample.kav'), 'rb').read()
text = sample.decode('cp932')
def put(target, name, data):
    os.makedirs(os.path.join(out, target), exist_ok=True)
    open(os.path.join(out, target, name), 'wb').write(data)
short = '\r\n'.join(text.split('\r\n')[:14]) + '\r\n'
for target in ('fuzz_text_decode', 'fuzz_record_load'):
    put(target, 'sjis-crlf.kav', short.encode('cp932'))
    put(target, 'utf8-bom-lf.kav', b'\xef\xbb\xbf' + short.replace('\r\n', '\n').encode('utf-8'))
    put(target, 'utf16le-cr.kav', b'\xff\xfe' + short.replace('\r\n', '\r').encode('utf-16-le'))
    put(target, 'utf16be.kav', b'\xfe\xff' + short.encode('utf-16-be'))
put('fuzz_record_load', 'short-file.kav', '会社\r\n3\r\n120\r\nNo.\r\n1,a\r\n'.encode('cp932'))
put('fuzz_record_load', 'not-a-number.kav', '会社\r\nseven\r\n100\r\n'.encode('cp932'))
put('fuzz_record_load', 'quoted.kav', '会社\r\n1\r\n2\r\nh\r\n1,"a,""b""", c ,"unclosed\r\n'.encode('cp932'))
settings = '〇〇〇〇株式会社\r\n行　き　先\r\nｹｰﾌﾞﾙ種類\r\n用　　　途\r\n施工年月日\r\n施 工 者 名\r\nｹｰﾌﾞﾙ製造年\r\n'
put('fuzz_settings_load', 'defaults.ggs', settings.encode('cp932'))
put('fuzz_settings_load', 'three-lines-utf8.ggs', b'\xef\xbb\xbf' + '新会社\n\n種類'.encode('utf-8'))
for i, line in enumerate(text.split('\r\n')[3:8]):
    put('fuzz_comma_text', f'row{i}.txt', line.encode('utf-16-le'))
put('fuzz_comma_text', 'tricky.txt', '"a,""b""", c ,\x1f"unclosed\x1f\x00nul'.encode('utf-16-le'))
clip = '\r\n'.join('\t'.join(l.split(',')) for l in text.split('\r\n')[4:10]) + '\r\n'
put('fuzz_paste', 'rows.txt', b'\x00\x00\x05' + clip.encode('utf-16-le'))
put('fuzz_paste', 'near-cap.txt', b'\x00\x02\xff' + 'a\tb\nc\rd\r\n'.encode('utf-16-le'))
PY
