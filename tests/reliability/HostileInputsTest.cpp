// Every reader meets every hostile input: a named pipe, a folder, an empty
// file, a sparse gigabyte, junk bytes, a Shift_JIS text with a byte that is
// no character, and workbooks of a few kilobytes that inflate to a great
// deal. Each reader gives its message or its outcome. None may wait on the
// pipe: while a reader runs, the test opens the pipe's other end whenever
// someone waits on it and closes it again, so a reader that opened the pipe
// reads an empty file and gives a wrong outcome instead of hanging the suite.
#include "../TestFiles.h"
#include "../cli/CliRun.h"
#include "HostileWorkbooks.h"

#include "sheet/Failure.h"
#include "sheet/FileStamp.h"
#include "sheet/RecordFile.h"
#include "sheet/RecoveryFiles.h"
#include "sheet/SettingsFile.h"
#include "sheet/TextCodec.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/TableFile.h"
#include "spreadsheet/XlsxTableReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

QString q(const char16_t* text) { return QString::fromUtf16(text); }

// Runs read on a thread of its own; while it runs, a reader waiting on the
// pipe at path (when it is one) gets a writer that goes again at once.
QString besidePipe(const QString& path, const std::function<QString()>& read)
{
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    const bool isPipe = ::stat(name.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    std::atomic<bool> done = false;
    QString outcome;
    std::thread reader([&] {
        outcome = read();
        done = true;
    });
    while (!done) {
        if (isPipe) {
            // Opens only while the pipe has a reader, and never waits.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
        std::this_thread::sleep_for(1ms); // polling for the reader's end, not a time limit
    }
    reader.join();
    return outcome;
}

template <typename Read>
QString messageOr(Read&& read)
{
    try {
        return read();
    } catch (const Failure& failure) {
        return failure.message();
    }
}

QString tableOutcome(const ImportedTable& table)
{
    if (table.rows.empty())
        return q(u"0 rows");
    QStringList first(table.rows.front().begin(), table.rows.front().end());
    while (!first.isEmpty() && first.back().isEmpty())
        first.removeLast();
    return QStringLiteral("%1 rows: %2").arg(table.rows.size()).arg(first.join(u'|'));
}

QString cliOutcome(const QStringList& args)
{
    const CliRun run = CliRun::of(args);
    return run.exitCode == 0 ? q(u"exit 0") : QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.err.trimmed());
}

using Make = std::function<void(const QString& path)>;

// A copy left by pid 2^31-2, which no process has.
RecoveryFiles::Copy leftCopy(const QString& folder) { return RecoveryFiles::copyFor(folder, 2147483646); }

void writeDescription(const RecoveryFiles::Copy& copy)
{
    writeFile(copy.infoPath, R"({"original": "", "pid": 2147483646, "started": "", "written": "2026-12-10T09:00:00"})");
}

// Each reader makes the input where it reads it and tells what came of it;
// the outcomes name that place as %1.
struct Reader {
    const char* name;
    std::function<QString(const Make& make, const QString& folder, QString& path)> read;
};

const std::vector<Reader>& readers()
{
    static const std::vector<Reader> all = {
        {"record file", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.csv"_qs;
             make(path);
             return besidePipe(path, [&] {
                 return messageOr([&] {
                     QString company;
                     RecordSheet sheet;
                     RecordFile::load(path, company, sheet);
                     return q(u"loaded");
                 });
             });
         }},
        {"settings", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/kiroku.ggs"_qs;
             make(path);
             return besidePipe(path, [&] {
                 Settings settings = Settings::defaults();
                 return SettingsFile::load(path, settings) ? q(u"taken") : q(u"not taken");
             });
         }},
        {"table", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.csv"_qs;
             make(path);
             return besidePipe(path, [&] { return messageOr([&] { return tableOutcome(TableFile::read(path)); }); });
         }},
        {"workbook", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.xlsx"_qs;
             make(path);
             return besidePipe(path, [&] { return messageOr([&] { return tableOutcome(XlsxTableReader::read(path)); }); });
         }},
        {"kind", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.csv"_qs;
             make(path);
             return besidePipe(path, [&] { return DocumentFiles::isTableFile(path) ? q(u"table") : q(u"record file"); });
         }},
        {"stamp", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.kav"_qs;
             make(path);
             return besidePipe(path, [&] { return FileStamp::of(path).exists() ? q(u"stamped") : q(u"no stamp"); });
         }},
        {"recovery copy", [](const Make& make, const QString& folder, QString& path) {
             const RecoveryFiles::Copy copy = leftCopy(folder);
             path = copy.recordPath;
             make(path);
             writeDescription(copy);
             return besidePipe(path, [&] {
                 if (RecoveryFiles::leftBehind(folder).size() != 1)
                     return q(u"not offered");
                 return u"offered: "_qs + messageOr([&] {
                     QString company;
                     RecordSheet sheet;
                     RecordFile::loadRecoveryCopy(path, company, sheet);
                     return q(u"loaded");
                 });
             });
         }},
        {"recovery description", [](const Make& make, const QString& folder, QString& path) {
             const RecoveryFiles::Copy copy = leftCopy(folder);
             path = copy.infoPath;
             make(path);
             writeFile(copy.recordPath, RecordFile::serialize(q(u"社"), RecordSheet()));
             return besidePipe(path, [&] {
                 return RecoveryFiles::leftBehind(folder).empty() ? q(u"not offered") : q(u"offered");
             });
         }},
        {"cli dump", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.csv"_qs;
             make(path);
             return besidePipe(path, [&] { return cliOutcome({u"dump"_qs, path}); });
         }},
        {"cli import", [](const Make& make, const QString& folder, QString& path) {
             path = folder + u"/list.csv"_qs;
             make(path);
             return besidePipe(path, [&] { return cliOutcome({u"import"_qs, path, u"-o"_qs, folder + u"/out.kav"_qs}); });
         }},
    };
    return all;
}

// One expected outcome per reader, in the order of readers(). "%1" stands
// for the input's path; an outcome ending in "…" is a beginning.
struct Input {
    const char* name;
    Make make;
    std::vector<QString> outcomes;
};

QString cannotOpen(const char16_t* reason) { return u"ファイル %1 は開けません。 "_qs + q(reason) + u' '; }

std::vector<Input> inputs()
{
    const QString notAFile = cannotOpen(u"通常のファイルではありません。");
    const QString noZip = cannotOpen(u"表の形式が壊れています。（ZIP の目録を読めません）");
    const QString damagedCopy = u"offered: "_qs + cannotOpen(u"復元用の控えが壊れています。");
    const QString anyFailure = u"ファイル %1 は開けません。 …"_qs;
    const QString recordRead = q(u"1 rows: 1|盤");
    const auto notFile = [&](const char* name, Make make) {
        return Input{name, std::move(make),
                     {notAFile, u"not taken"_qs, notAFile, notAFile, u"record file"_qs, u"no stamp"_qs, damagedCopy,
                      u"not offered"_qs, u"exit 1: "_qs + notAFile.trimmed(), u"exit 1: "_qs + notAFile.trimmed()}};
    };
    const auto text = [&](const char* name, const QByteArray& bytes, const QString& asRecord, const QString& asTable,
                          const QString& settings) {
        return Input{name, [bytes](const QString& p) { writeFile(p, bytes); },
                     {asRecord, settings, asTable, noZip, u"table"_qs, u"stamped"_qs, damagedCopy, u"not offered"_qs,
                      u"exit 1: "_qs + asTable.trimmed(), u"exit 1: "_qs + asTable.trimmed()}};
    };
    const auto workbook = [&](const char* name, Make make, const QString& asTable) {
        const QString cli = asTable == recordRead ? u"exit 0"_qs : u"exit 1: "_qs + asTable.trimmed();
        return Input{name, std::move(make),
                     {anyFailure, u"taken"_qs, asTable, asTable, u"table"_qs, u"stamped"_qs, damagedCopy,
                      u"not offered"_qs, cli, cli}};
    };
    const QString tooLarge = cannotOpen(u"ファイルが大きすぎます。");
    return {
        notFile("named pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }),
        notFile("folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }),
        text("empty file", QByteArray(), cannotOpen(u"空のファイルです。"), cannotOpen(u"空のファイルです。"), u"taken"_qs),
        Input{"sparse gigabyte",
              [](const QString& p) {
                  QFile file(p);
                  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 30));
              },
              {tooLarge, u"not taken"_qs, tooLarge, noZip, u"table"_qs, u"no stamp"_qs, damagedCopy, u"not offered"_qs,
               u"exit 1: "_qs + tooLarge.trimmed(), u"exit 1: "_qs + tooLarge.trimmed()}},
        text("junk bytes", QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20),
             cannotOpen(u"行が足りません。2 行目がありません。"),
             cannotOpen(u"表のテキスト（CSV）ではありません。1 行目に文字でないバイトがあります。"), u"taken"_qs),
        text("Shift_JIS with no character on line 3", TextCodec::toShiftJis(u"No.,自\r\n1,盤A\r\n2,") + "\x85\x40\r\n",
             cannotOpen(u"2 行目: '1,盤A' は整数ではありません。"),
             cannotOpen(u"3 行目に Shift_JIS でも UTF-8 でもないバイトがあります。"), u"taken"_qs),
        workbook("2,000 merged areas over 50,000 rows",
                 [](const QString& p) { HostileWorkbooks::mergeBomb(p, 2000, 50000); }, recordRead),
        workbook("1,000,000 empty shared strings",
                 [](const QString& p) { HostileWorkbooks::sharedStringBomb(p, 1000000); }, recordRead),
        workbook("20 MB of blanks in the sheet", [](const QString& p) { HostileWorkbooks::blankPadding(p, 20); },
                 cannotOpen(u"中の xl/worksheets/sheet1.xml は展開すると元の 250 倍を超えます（壊れているか、細工されたファイルです）。")),
    };
}

bool matches(const QString& outcome, const QString& expected)
{
    return expected.endsWith(u'…') ? outcome.startsWith(expected.chopped(1)) : outcome == expected;
}

TEST(HostileInputs, EveryReaderGivesItsMessageOrOutcomeAndNoneWaitsOnAPipe)
{
    for (const Input& input : inputs()) {
        ASSERT_EQ(input.outcomes.size(), readers().size()) << input.name;
        for (size_t r = 0; r < readers().size(); ++r) {
            QTemporaryDir folder;
            QString path;
            const QString outcome = readers()[r].read(input.make, folder.path(), path);
            const QString expected = input.outcomes[r].contains(u"%1") ? input.outcomes[r].arg(path) : input.outcomes[r];
            EXPECT_TRUE(matches(outcome, expected))
                << input.name << " / " << readers()[r].name << "\n  got:      " << outcome.toStdString()
                << "\n  expected: " << expected.toStdString();
        }
    }
}

} // namespace
