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
locks = {
    'qt.lock': b'4242\ntagrio\nbuild-pc\n0123456789abcdef0123456789abcdef\nfedcba9876543210fedcba9876543210\n',
    'qt-crlf-old.lock': b'17\r\nprog\r\nhost-7\r\n',
    'office.lock': b',yamada,office-pc,10.12.2026 09:05,file:///home/yamada/.config/libreoffice/4;',
    'office-named.lock': '山田 太郎\\, 設計,yamada,pc\\;1,10.12.2026 09:05,file:///x\\\\y;\n'.encode('utf-8'),
    'html-host.lock': b'1\nprog\n<h1><font color=red>pc</font></h1><img src=/etc/x.png width=1200>\x1b\xe2\x80\xae\n',
}
for name, data in locks.items():
    put('fuzz_lock_file', name, data)
PY

# Table files: CSV texts, workbooks (raw, or as parts for fuzz_xlsx_read's
# even first byte) and recovery copies. The system Python has openpyxl.
/usr/bin/python3 - "$root" "$here/corpus" <<'PY'
import io, os, sys, json
import openpyxl
root, out = sys.argv[1], sys.argv[2]
def put(target, name, data):
    os.makedirs(os.path.join(out, target), exist_ok=True)
    open(os.path.join(out, target, name), 'wb').write(data)
head = 'No.,(自) NAME-1,(自) NAME-2,(至) NAME-1,(至) NAME-2,回路番号,ｹｰﾌﾞﾙ種類,用途,施行年月日,施行者名,製造年'
put('fuzz_csv_table', 'export.csv', ('\ufeff' + head + '\r\n1,キュービクル,,電灯分電盤,,"001",CV 14sq-3C,電灯,令和8年12月10日,甲電設,令和8年\r\n'
    '2,"a,""b""","two\r\nlines","\'=1+1","\'-2",,,,,,\r\n').encode('utf-8'))
put('fuzz_csv_table', 'semicolons.csv', 'ケーブル一覧\n\n番号;自;行き先;種類\n1;盤A;盤B;CV\n;盤C;"x;y";VVF\n'.encode('utf-8'))
put('fuzz_csv_table', 'tabs-sjis.csv', 'NO.\tｹｰﾌﾞﾙ種類\t至\n1\tCV\t盤\n\n3\tIV\t灯\n'.encode('cp932'))
put('fuzz_csv_table', 'entry-sheet.csv', (head + '\n1,,,,,,,,令和8年12月10日,甲電設,令和8年\n2,盤A\n3\n4\n5\n6\n7,,※注1【エクセルで入力したい方の為に作成した帳票となります、ご利用ください】\n').encode('utf-8'))
put('fuzz_csv_table', 'no-heading-utf16.csv', b'\xff\xfe' + '5,盤A\r\n6\r\n7,盤B,"q"\r\n'.encode('utf-16-le'))

book = openpyxl.Workbook()
book.active.title = 'old'
book.active.sheet_state = 'hidden'
sheet = book.create_sheet('一覧')
sheet.append(['ケーブル一覧'])
sheet.append([None, 'ｹｰﾌﾞﾙ種類', '行き先', '番号', '自'])
sheet.append([None, 'CV', '盤B', 1, '盤A'])
sheet.append([None, 'VVF', '=B3', None, 1.5])
sheet.merge_cells('B4:C4')
book.active = 1
raw = io.BytesIO()
book.save(raw)
put('fuzz_xlsx_read', 'openpyxl.bin', b'\x01' + raw.getvalue())
main = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
sheet_xml = ('<worksheet ' + main + '><sheetData>'
    '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c></row>'
    '<row r="2"><c r="A2"><v>1</v></c><c r="B2" t="inlineStr"><is><r><t>電灯</t></r><r><t xml:space="preserve">盤 </t></r></is></c>'
    '<c r="C2" t="str"><f>"L-"&amp;1</f><v>L-1</v></c><c r="D2" s="1"><v>46366</v></c><c r="E2"><f>1+1</f></c></row>'
    '<row><c t="b"><v>1</v></c><c t="e"><v>#DIV/0!</v></c><c t="s"><v>2</v></c></row>'
    '</sheetData><mergeCells count="1"><mergeCell ref="B3:C4"/></mergeCells></worksheet>')
sst = ('<sst ' + main + '><si><t>No.</t></si><si><r><t>ｹｰﾌﾞﾙ</t></r><r><t>種類</t></r><rPh sb="0" eb="2"><t>シュ</t></rPh></si>'
    '<si><t>行1_x000D_\n行2</t></si></sst>')
styles = ('<styleSheet ' + main + '><numFmts count="1"><numFmt numFmtId="176" formatCode="ggge&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/></numFmts>'
    '<cellXfs count="2"><xf numFmtId="0"/><xf numFmtId="176"/></cellXfs></styleSheet>')
put('fuzz_xlsx_read', 'parts.bin', b'\x00' + b'\x1e'.join(p.encode('utf-8') for p in (sheet_xml, sst, styles)))

kav = ('会社\r\n2\r\n3\r\n' + head + '\r\n1,盤A,,盤B,,,,,,,\r\n2,盤C\r\n').encode('cp932')
info = json.dumps({'original': '/home/user/list.kav', 'pid': 2147483646, 'started': '', 'written': '2026-12-10T09:00:00'}).encode()
put('fuzz_recovery_copy', 'copy.bin', info + b'\x1e' + kav)
put('fuzz_recovery_copy', 'short.bin', info + b'\x1e' + '会社\r\n1\r\n9\r\n'.encode('cp932'))
put('fuzz_recovery_copy', 'empty-record.bin', b'{"pid": 2147483646}\x1e')
# A third piece chooses: blanks padding the description to just over or
# within the largest read (bits 0-6), a folder for the record file (bit 7).
put('fuzz_recovery_copy', 'padded-over.bin', info + b'\x1e' + kav + b'\x1e\x7f')
put('fuzz_recovery_copy', 'padded-within.bin', info + b'\x1e' + kav + b'\x1e\x40')
put('fuzz_recovery_copy', 'record-folder.bin', info + b'\x1e\x1e\x80')
PY
