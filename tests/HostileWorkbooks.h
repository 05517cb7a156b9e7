#pragma once

// Workbooks of a few kilobytes that hold a great deal once inflated: merged
// areas by the thousand, millions of shared strings, a sheet padded with
// megabytes of blanks, and a wide table. Written part by part with minizip,
// so that not even the maker holds a large part whole. Used by the tests
// (small counts) and the benchmark (counts that took seconds and gigabytes).

#include <QByteArray>
#include <QFile>
#include <QString>

#include <zip.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace HostileWorkbooks {

// Writes a zip one part at a time; each part is fed in pieces.
class ZipWriter {
public:
    explicit ZipWriter(const QString& path) : zip_(zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE))
    {
        if (!zip_)
            throw std::runtime_error("cannot create the zip");
    }
    ~ZipWriter()
    {
        if (zip_)
            zipClose(zip_, nullptr);
    }
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // feed(write) calls write with the part's bytes, piece after piece.
    void part(const char* name, const std::function<void(const std::function<void(const QByteArray&)>&)>& feed)
    {
        if (zipOpenNewFileInZip64(zip_, name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_BEST_COMPRESSION, 1)
            != ZIP_OK)
            throw std::runtime_error("cannot add a part");
        feed([this](const QByteArray& bytes) {
            if (zipWriteInFileInZip(zip_, bytes.constData(), static_cast<unsigned>(bytes.size())) != ZIP_OK)
                throw std::runtime_error("cannot write a part");
        });
        zipCloseFileInZip(zip_);
    }
    void part(const char* name, const QByteArray& bytes)
    {
        part(name, [&](const auto& write) { write(bytes); });
    }

private:
    zipFile zip_;
};

using Feed = std::function<void(const std::function<void(const QByteArray&)>&)>;

// Writes a workbook of one sheet: the rows inside <sheetData>, what follows
// it in the sheet (merged areas), and the shared string items inside <sst>.
inline void write(const QString& path, const Feed& rows, const Feed& afterRows = {}, const Feed& sharedStrings = {})
{
    const QByteArray main = R"(xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";
    const QByteArray rels = R"(xmlns="http://schemas.openxmlformats.org/package/2006/relationships")";
    const QByteArray type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    ZipWriter zip(path);
    zip.part("_rels/.rels", "<Relationships " + rels + "><Relationship Id=\"rId1\" Type=\"" + type
                                + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    zip.part("xl/workbook.xml",
             "<workbook " + main + R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
                 + "<sheets><sheet name=\"list\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    zip.part("xl/_rels/workbook.xml.rels",
             "<Relationships " + rels + "><Relationship Id=\"rId1\" Type=\"" + type
                 + "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + type
                 + "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    zip.part("xl/worksheets/sheet1.xml", [&](const auto& put) {
        put("<worksheet " + main + "><sheetData>");
        rows(put);
        put("</sheetData>");
        if (afterRows)
            afterRows(put);
        put("</worksheet>");
    });
    zip.part("xl/sharedStrings.xml", [&](const auto& put) {
        put("<sst " + main + ">");
        if (sharedStrings)
            sharedStrings(put);
        put("</sst>");
    });
}

// Calls put with text repeated count times, in pieces of about a megabyte.
inline void repeat(const std::function<void(const QByteArray&)>& put, const QByteArray& text, qint64 count)
{
    const qint64 perPiece = std::max<qint64>(1, (1 << 20) / text.size());
    const QByteArray piece = text.repeated(static_cast<qsizetype>(std::min(perPiece, count)));
    for (qint64 left = count; left > 0; left -= perPiece)
        put(left >= perPiece ? piece : text.repeated(static_cast<qsizetype>(left)));
}

// Row 1: 1 | 盤, the one record the reader must find.
inline const QByteArray kFirstRow = R"(<row r="1"><c r="A1"><v>1</v></c><c r="B1" t="inlineStr"><is><t>盤</t></is></c></row>)";

// The record row, a text at C(tableRows) and merges copies of A2:K(tableRows)
// over everything below row 1: the table is one record once the merged
// cells are cleared.
inline void mergeBomb(const QString& path, int merges, int tableRows)
{
    const QByteArray last = QByteArray::number(tableRows);
    write(
        path,
        [&](const auto& put) {
            put(kFirstRow + "<row r=\"" + last + "\"><c r=\"C" + last + "\" t=\"inlineStr\"><is><t>x</t></is></c></row>");
        },
        [&](const auto& put) {
            put("<mergeCells count=\"" + QByteArray::number(merges) + "\">");
            repeat(put, "<mergeCell ref=\"A2:K" + last + "\"/>", merges);
            put("</mergeCells>");
        });
}

// count empty shared strings, then 盤, which B1 names by its index.
inline void sharedStringBomb(const QString& path, qint64 count)
{
    write(
        path,
        [&](const auto& put) {
            put(R"(<row r="1"><c r="A1"><v>1</v></c><c r="B1" t="s"><v>)" + QByteArray::number(count) + "</v></c></row>");
        },
        {},
        [&](const auto& put) {
            repeat(put, "<si/>", count);
            put("<si><t>盤</t></si>");
        });
}

// The record row, then megabytes of blanks inside the sheet.
inline void blankPadding(const QString& path, qint64 megabytes)
{
    write(path, [&](const auto& put) {
        put(kFirstRow);
        repeat(put, QByteArray(1 << 20, ' '), megabytes);
    });
}

// rows rows of columns cells: numbers in A, shared strings elsewhere (a
// thousand distinct texts, and one per row in B).
inline void wideTable(const QString& path, int rows, int columns)
{
    write(
        path,
        [&](const auto& put) {
            QByteArray piece;
            for (int r = 1; r <= rows; ++r) {
                const QByteArray row = QByteArray::number(r);
                piece += "<row r=\"" + row + "\"><c r=\"A" + row + "\"><v>" + row + "</v></c>";
                for (int c = 2; c <= columns; ++c) {
                    const int index = c == 2 ? 1000 + r : (r * 31 + c * 7) % 1000;
                    piece += "<c t=\"s\"><v>" + QByteArray::number(index) + "</v></c>";
                }
                piece += "</row>";
                if (piece.size() > (1 << 20) || r == rows)
                    put(std::exchange(piece, {}));
            }
        },
        {},
        [&](const auto& put) {
            QByteArray piece;
            for (int i = 0; i < 1000 + rows + 1; ++i) {
                piece += "<si><t>" + QByteArray(i < 1000 ? "text " : "row ") + QByteArray::number(i) + "</t></si>";
                if (piece.size() > (1 << 20))
                    put(std::exchange(piece, {}));
            }
            put(piece);
        });
}

} // namespace HostileWorkbooks
