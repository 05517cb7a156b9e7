// Workbooks as table files. The first byte chooses what is fuzzed: odd, the
// zip container itself (the rest is the file); even, the XML inside a sound
// container (the rest is the sheet, shared strings, styles and workbook
// parts, separated by 0x1E). Either reads as a table whose records are
// numbered 1..n, or fails with a message naming the file.
#include "FuzzCheck.h"
#include "sheet/Failure.h"
#include "sheet/ImportedTable.h"
#include "spreadsheet/TableFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

#include <cstdint>

namespace {

const QByteArray kWorkbook =
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="list" sheetId="1" r:id="rId1"/></sheets></workbook>)";

QByteArray relationships(const QByteArray& entries)
{
    return R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" + entries
        + "</Relationships>";
}

QByteArray relationship(const char* id, const char* type, const char* target)
{
    return QByteArray("<Relationship Id=\"") + id
        + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type + "\" Target=\""
        + target + "\"/>";
}

// A stored (uncompressed) zip of the parts, so the reader meets the XML as given.
bool writeWorkbook(const QString& path, const QList<QByteArray>& pieces)
{
    const auto piece = [&](int i, const QByteArray& fallback) { return i < pieces.size() ? pieces[i] : fallback; };
    const std::pair<const char*, QByteArray> parts[] = {
        {"_rels/.rels", relationships(relationship("rId1", "officeDocument", "xl/workbook.xml"))},
        {"xl/_rels/workbook.xml.rels",
         relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml")
                       + relationship("rId2", "sharedStrings", "sharedStrings.xml")
                       + relationship("rId3", "styles", "styles.xml"))},
        {"xl/worksheets/sheet1.xml", piece(0, QByteArray())},
        {"xl/sharedStrings.xml", piece(1, QByteArray())},
        {"xl/styles.xml", piece(2, QByteArray())},
        {"xl/workbook.xml", piece(3, kWorkbook)},
    };
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const auto& [name, bytes] : parts) {
        ok = ok && zipOpenNewFileInZip64(zip, name, nullptr, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0) == ZIP_OK
            && zipWriteInFileInZip(zip, bytes.constData(), static_cast<unsigned>(bytes.size())) == ZIP_OK
            && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.xlsx"));
    QFile::remove(path);
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    if (data[0] % 2 == 1) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(rest) == rest.size());
    } else {
        FUZZ_CHECK(writeWorkbook(path, rest.split('\x1e')));
    }

    RecordSheet sheet;
    try {
        TableRows::toSheet(TableFile::read(path), sheet);
    } catch (const Failure& failure) {
        // Every reading failure names the file; only the row limit is about the sheet.
        FUZZ_CHECK(failure.message().contains(path) || failure.message().contains(QStringLiteral("100000")));
        return 0;
    }
    FUZZ_CHECK(sheet.recordCount >= 0 && sheet.recordCount < sheet.rowCount());
    for (int r = 1; r <= sheet.recordCount; ++r)
        FUZZ_CHECK(sheet.cell(ColNumber, r) == QString::number(r));
    return 0;
}
