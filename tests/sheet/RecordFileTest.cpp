#include "TestSupport.h"
#include "sheet/CommaText.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "sheet/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray sjis(const QString& text) { return TextCodec::toShiftJis(text); }

QString failureOf(const QByteArray& bytes, QString& company, RecordSheet& sheet)
{
    try {
        RecordFile::loadFromBytes(bytes, company, sheet);
    } catch (const Failure& f) {
        return f.message();
    }
    return {};
}

// A file of header lines and row lines joined by CR LF.
QByteArray fileOf(const QStringList& lines)
{
    QString text;
    for (const QString& l : lines)
        text += l + u"\r\n"_qs;
    return sjis(text);
}

TEST(RecordFile, NewSheetSavesAsTheFamiliar103LineShiftJisFile)
{
    const QByteArray bytes = RecordFile::serialize(u"〇〇〇〇株式会社"_qs, RecordSheet());
    QByteArray expected = sjis(u"〇〇〇〇株式会社\r\n0\r\n100\r\n"_qs)
        + sjis(u"No.,\"(自) NAME-1\",\"(自) NAME-2\",\"(至) NAME-1\",\"(至) NAME-2\",回路番号,ｹｰﾌﾞﾙ種類,用途,施行年月日,施行者名,ｹｰﾌﾞﾙ製造年\r\n"_qs);
    for (int i = 0; i < 99; ++i)
        expected += ",,,,,,,,,,\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.count("\r\n"), 103);
}

TEST(RecordFile, EveryEncodingAndLineEndLoadsToTheSameSheet)
{
    RecordSheet original;
    original.recordCount = 2;
    original.editRow(1) = {u"1"_qs, u"キュービクル"_qs, QString(), u"電灯分電盤 "_qs, u"L-1"_qs};
    original.editRow(2) = {u"2"_qs, u"受電盤"_qs, u"a,b"_qs, QString(), QString(), QString(), u"CV 14ﾟsq-2C"_qs, u"\"照明\""_qs};
    const QString text = TextCodec::decode(RecordFile::serialize(u"株式会社テスト"_qs, original));

    const auto withEnds = [&](const char16_t* end) { return QString(text).replace(u"\r\n"_qs, QString::fromUtf16(end)); };
    const auto utf16 = [](const QString& t, bool little) {
        QByteArray b = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (QChar c : t) {
            const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
            b.append(little ? lo : hi).append(little ? hi : lo);
        }
        return b;
    };
    const QList<QByteArray> files = {
        sjis(text), sjis(withEnds(u"\n")), sjis(withEnds(u"\r")),
        QByteArray("\xEF\xBB\xBF") + withEnds(u"\n").toUtf8(),
        utf16(text, true), utf16(withEnds(u"\r"), false),
    };
    for (const QByteArray& bytes : files) {
        QString company;
        RecordSheet sheet;
        ASSERT_EQ(failureOf(bytes, company, sheet), QString());
        EXPECT_EQ(company, u"株式会社テスト");
        EXPECT_EQ(sheet, original);
    }
}

TEST(RecordFile, LoadRewritesHeaderAndEmptiesSingleBlankCells)
{
    QString company;
    RecordSheet sheet;
    sheet.editRow(50)[3] = u"stale"_qs;
    const QByteArray bytes = fileOf({u"会社"_qs, u"1"_qs, u"3"_qs, u"anything,at,all"_qs, u"1,\" \",x y z,1,2,3,4,5,6,7,8,9,10"_qs, u""_qs});
    ASSERT_EQ(failureOf(bytes, company, sheet), QString());
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    EXPECT_EQ(sheet.row(1), (Record{u"1"_qs, QString(), u"x"_qs, u"y"_qs, u"z"_qs, u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs}));
    EXPECT_EQ(sheet.row(2), Record{});
    EXPECT_EQ(sheet.recordCount, 1);
}

TEST(RecordFile, RowCountDecidesRowsReadAndMissingLinesFail)
{
    QStringList lines = {u"c"_qs, u"5"_qs, u"120"_qs};
    for (int i = 0; i < 120; ++i)
        lines << QString::number(i) + u",x"_qs;
    {
        QString company;
        RecordSheet sheet;
        ASSERT_EQ(failureOf(fileOf(lines), company, sheet), QString());
        EXPECT_EQ(sheet.rowCount(), 120);
        EXPECT_EQ(sheet.cell(0, 119), u"119");
    }
    // 110 lines for 120 rows: rows up to 106 are loaded, the header row is not rewritten.
    lines = lines.mid(0, 110);
    lines[3] = u"hdr"_qs;
    QString company;
    RecordSheet sheet;
    EXPECT_EQ(failureOf(fileOf(lines), company, sheet), u"リストのインデックスが範囲を超えています (110)");
    EXPECT_EQ(sheet.rowCount(), 120);
    EXPECT_EQ(sheet.cell(0, 0), u"hdr");
    EXPECT_EQ(sheet.cell(0, 106), u"106");
    EXPECT_EQ(sheet.cell(1, 106), u"x");
}

// Large files are read in blocks of rows side by side: every row must land in
// its own place, quoted texts and single blanks included, and a file cut short
// must still keep exactly the rows that have a line.
TEST(RecordFile, LargeSheetsLoadEveryRowInPlace)
{
    const int rows = 9001;
    RecordSheet original;
    original.setRowCount(rows);
    original.recordCount = rows - 1;
    for (int r = 1; r < rows; ++r) {
        original.setCell(ColNumber, r, QString::number(r));
        original.setCell(ColFrom1, r, u"盤 "_qs + QString::number(r));      // quoted: holds a blank
        original.setCell(ColCircuit, r, u"\"a\",\""_qs + QString::number(r * 7)); // quotes and a comma
        original.setCell(ColPurpose, r, r % 3 == 0 ? u" "_qs : u"動力"_qs); // a single blank
    }
    const QByteArray bytes = RecordFile::serialize(u"社"_qs, original);

    QString company;
    RecordSheet loaded;
    ASSERT_EQ(failureOf(bytes, company, loaded), QString());
    ASSERT_EQ(loaded.rowCount(), rows);
    for (int r = 1; r < rows; ++r) {
        for (const int column : {ColNumber, ColFrom1, ColCircuit}) {
            ASSERT_EQ(loaded.cell(column, r), original.cell(column, r)) << "row " << r << " column " << column;
        }
        ASSERT_EQ(loaded.cell(ColPurpose, r), r % 3 == 0 ? QString() : u"動力"_qs) << "row " << r;
    }

    // Cut after the line of row 6000: rows up to 6000 load, 6001 is emptied,
    // the rows after it keep what the sheet held before.
    const QList<QByteArray> lines = bytes.split('\n');
    RecordSheet cut;
    cut.setRowCount(rows);
    cut.setCell(ColFrom1, 6001, u"before"_qs);
    cut.setCell(ColFrom1, 6002, u"before"_qs);
    EXPECT_EQ(failureOf(lines.mid(0, 6004).join('\n') + '\n', company, cut),
              u"リストのインデックスが範囲を超えています (6004)"_qs);
    EXPECT_EQ(cut.cell(ColFrom1, 6000), original.cell(ColFrom1, 6000));
    EXPECT_EQ(cut.cell(ColFrom1, 6001), QString());
    EXPECT_EQ(cut.cell(ColFrom1, 6002), u"before"_qs);
}

TEST(RecordFile, HeaderLineFailuresLeaveTheStatedState)
{
    struct Case {
        QByteArray bytes;
        QString message;
        QString company;       // company after the failure
        int recordCount;       // recordCount after the failure
    };
    const Case cases[] = {
        {QByteArray(), u"リストのインデックスが範囲を超えています (0)"_qs, u"before"_qs, 7},
        {fileOf({u"新社"_qs}), u"リストのインデックスが範囲を超えています (1)"_qs, u"新社"_qs, 7},
        {fileOf({u"新社"_qs, u"x1"_qs, u"100"_qs}), u"'x1' は整数ではありません"_qs, u"新社"_qs, 7},
        {fileOf({u"新社"_qs, u"3"_qs, u""_qs}), u"'' は整数ではありません"_qs, u"新社"_qs, 3},
        {fileOf({u"新社"_qs, u"3"_qs, u"99999999999"_qs}), u"'99999999999' は整数ではありません"_qs, u"新社"_qs, 3},
        {fileOf({u"新社"_qs, u"3"_qs, u"2000000000"_qs}), u"行数 '2000000000' は扱える上限の 100000 行を超えています"_qs, u"新社"_qs, 3},
        {fileOf({u"新社"_qs, u"3"_qs, u"100001"_qs}), u"行数 '100001' は扱える上限の 100000 行を超えています"_qs, u"新社"_qs, 3},
    };
    for (const Case& c : cases) {
        QString company = u"before"_qs;
        RecordSheet sheet;
        sheet.recordCount = 7;
        sheet.editRow(5)[1] = u"kept"_qs;
        EXPECT_EQ(failureOf(c.bytes, company, sheet), c.message);
        EXPECT_EQ(company, c.company) << c.message.toStdString();
        EXPECT_EQ(sheet.recordCount, c.recordCount) << c.message.toStdString();
        EXPECT_EQ(sheet.rowCount(), 100);
        EXPECT_EQ(sheet.cell(1, 5), u"kept");
    }
}

TEST(RecordFile, LoadFailuresNameTheFileAndTheLine)
{
    struct Case {
        QByteArray bytes;
        QString reason;
    };
    const Case cases[] = {
        {fileOf({u"社"_qs, u"seven"_qs, u"100"_qs}), u"2 行目: 'seven' は整数ではありません。"_qs},
        {fileOf({u"社"_qs, u"1"_qs, u"100001"_qs}), u"3 行目: 行数 '100001' は扱える上限の 100000 行を超えています。"_qs},
        {fileOf({u"社"_qs, u"1"_qs, u"5"_qs, u"No."_qs, u"1,a"_qs}), u"行が足りません。6 行目がありません。"_qs},
        {fileOf({u"社"_qs}), u"行が足りません。2 行目がありません。"_qs},
        // A line of junk is quoted by its start only.
        {fileOf({u"社"_qs, QString(100000, u'x'), u"100"_qs}),
         u"2 行目: '"_qs + QString(40, u'x') + u"…' は整数ではありません。"_qs},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"list.kav"_qs);
    for (const Case& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        QString company;
        RecordSheet sheet;
        try {
            RecordFile::load(path, company, sheet);
            ADD_FAILURE() << "loaded: " << c.reason.toStdString();
        } catch (const Failure& f) {
            EXPECT_EQ(f.message(), u"ファイル %1 は開けません。 %2 "_qs.arg(path, c.reason));
        }
    }
}

TEST(RecordFile, RowCountBelowOneCountsAsOne)
{
    for (const char16_t* count : {u"0", u"-5"}) {
        QString company;
        RecordSheet sheet;
        ASSERT_EQ(failureOf(fileOf({u"c"_qs, u"0"_qs, QString::fromUtf16(count), u"h"_qs}), company, sheet), QString());
        EXPECT_EQ(sheet.rowCount(), 1);
        EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    }
}

TEST(RecordFile, SaveAppendsKavUnlessTheNameEndsInLowerCaseKav)
{
    EXPECT_EQ(RecordFile::targetPath(u"/d/plan"_qs), u"/d/plan.kav");
    EXPECT_EQ(RecordFile::targetPath(u"/d/plan.kav"_qs), u"/d/plan.kav");
    EXPECT_EQ(RecordFile::targetPath(u"/d/plan.KAV"_qs), u"/d/plan.KAV.kav");
    EXPECT_EQ(RecordFile::targetPath(u"/d/plankav"_qs), u"/d/plankav");
}

TEST(RecordFile, CharactersOutsideCodePage932SurviveSaveAndLoad)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"家.kav"_qs);
    RecordSheet sheet;
    sheet.recordCount = 1;
    sheet.editRow(1) = {u"1"_qs, u"𠮷野 〜 café"_qs};
    RecordFile::save(path, u"髙橋電設"_qs, sheet);
    QString company;
    RecordSheet loaded;
    RecordFile::load(path, company, loaded);
    EXPECT_EQ(company, u"髙橋電設");
    EXPECT_EQ(loaded, sheet);
}

TEST(RecordFile, FailedSavesKeepTheOldFileAndSayWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.kav"_qs);
    RecordSheet sheet;
    RecordFile::save(path, u"old"_qs, sheet);
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool canStillWrite = QFileInfo(dir.path()).isWritable(); // true when run as root
    try {
        RecordFile::save(path, u"new"_qs, sheet);
        EXPECT_TRUE(canStillWrite) << "save into a read-only folder reported success";
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().startsWith(u"ファイル \""_qs + path + u"\" を作成できません。"_qs)) << f.message().toStdString();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!canStillWrite) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }

    const QString folder = dir.filePath(u"folder.kav"_qs);
    QDir().mkdir(folder);
    try {
        RecordFile::save(folder, u"x"_qs, sheet);
        ADD_FAILURE() << "saving over a folder reported success";
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().startsWith(u"ファイル \""_qs + folder + u"\" を作成できません。"_qs));
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(RecordFile, MissingFileFailsWithTheOpenMessageAndChangesNothing)
{
    QString company = u"keep"_qs;
    RecordSheet sheet;
    sheet.editRow(1)[1] = u"keep"_qs;
    try {
        RecordFile::load(u"/nonexistent/none.kav"_qs, company, sheet);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& f) {
        EXPECT_TRUE(f.message().startsWith(u"ファイル /nonexistent/none.kav は開けません。 "));
        EXPECT_TRUE(f.message().endsWith(u" "));
    }
    EXPECT_EQ(company, u"keep");
    EXPECT_EQ(sheet.cell(1, 1), u"keep");
}

} // namespace

// Where a CR or LF would land in the file, the save is refused before anything
// is written and the old file stays as it was.
TEST(RecordFile, SaveRefusesTextsThatWouldSplitALine)
{
    struct Case {
        const char* name;
        QString company;
        int row;
        Column column;
        QString cell;
        QString messagePart;
    };
    const Case cases[] = {
        {"CR LF in a cell", u"社"_qs, 3, ColCableType, u"CVT 60sq\r\n"_qs, u"3 行目"_qs},
        {"lone LF in a cell", u"社"_qs, 1, ColFrom1, u"電気\n室"_qs, u"1 行目"_qs},
        {"lone CR in the last row", u"社"_qs, 99, ColManufactureYear, u"令和\r5年"_qs, u"99 行目"_qs},
        {"company name", u"タグリオ\r\n電設"_qs, 1, ColFrom1, u"盤"_qs, u"会社名"_qs},
    };
    const auto readFile = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"plan.kav"_qs);
    RecordFile::save(path, u"old"_qs, RecordSheet());
    const QByteArray oldBytes = readFile(path);
    for (const Case& c : cases) {
        RecordSheet sheet;
        sheet.recordCount = 3;
        sheet.setCell(c.column, c.row, c.cell);
        try {
            RecordFile::save(path, c.company, sheet);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(c.messagePart)) << c.name << ": " << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(u"保存できません"_qs)) << c.name;
        }
        EXPECT_EQ(readFile(path), oldBytes) << c.name;
    }
    // U+2028 and U+2029 do not end a line of the file and are saved as they are.
    RecordSheet sheet;
    sheet.setCell(ColPurpose, 1, u"動力\u2028幹線\u2029"_qs);
    EXPECT_NO_THROW(RecordFile::serialize(u"社"_qs, sheet));
}
