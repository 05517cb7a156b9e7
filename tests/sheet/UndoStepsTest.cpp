#include "TestSupport.h"
#include "../DocumentEdits.h"
#include "sheet/Failure.h"
#include "sheet/RecordDocument.h"
#include "sheet/RecordFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A document with a recorder, as the window keeps it: every recorded step
// lands in `steps` and is made, as an undo stack's push makes it.
struct RecordedDocument {
    RecordDocument document;
    std::vector<std::shared_ptr<const DocumentChange>> steps;
    int resets = 0;

    RecordedDocument()
    {
        document.setRecordingSteps(true);
        QObject::connect(&document, &RecordDocument::stepRecorded, [this](std::shared_ptr<const DocumentChange> step) {
            document.redoStep(*step);
            steps.push_back(std::move(step));
        });
        QObject::connect(&document, &RecordDocument::historyReset, [this] { ++resets; });
    }
};

struct Snapshot {
    RecordSheet sheet;
    QString company;

    explicit Snapshot(const RecordDocument& d) : sheet(d.sheet()), company(d.companyName()) {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// Rows 1..5: records 3, 1, (unnumbered), 2, " " (a blank number), then empty rows.
void fillMixedList(RecordSheet& sheet)
{
    sheet.editRow(1) = Record{u"3"_qs, u"盤C"_qs, QString(), u"分電盤"_qs};
    sheet.editRow(2) = Record{u"1"_qs, u"盤A"_qs, u"1F"_qs};
    sheet.editRow(3) = Record{QString(), u"番号なし"_qs};
    sheet.editRow(4) = Record{u"2"_qs, u"盤B"_qs, QString(), QString(), QString(), u"001"_qs};
    sheet.editRow(5) = Record{u" "_qs, u"空白番号"_qs};
    sheet.recordCount = 3;
}

const auto yes = [](const QString&) { return true; };
const auto no = [](const QString&) { return false; };

} // namespace

TEST(UndoSteps, EachKindOfChangeUndoesToBeforeAndRedoesToAfter)
{
    using Edit = std::function<void(RecordDocument&)>;
    // Paste from the menu is paste, sort and renumber as one step.
    const auto pasteFromMenu = [](int row, const char16_t* text) {
        return [row, text](RecordDocument& d) {
            const auto step = d.groupSteps();
            d.pasteText(row, QStringView(text));
            d.sortRecords();
            d.renumberRecords();
        };
    };
    struct Case {
        const char* name;
        Edit edit;
    };
    const Case cases[] = {
        {"registration of a new record past the last row",
         [](RecordDocument& d) {
             editList(d, [](RecordSheet& s) {
                 s.setRowCount(101);
                 s.editRow(100) = Record{u"4"_qs, u"新しい盤"_qs};
                 s.recordCount = 4;
             });
         }},
        {"registration over an existing record",
         [](RecordDocument& d) { editList(d, [](RecordSheet& s) { s.setCell(ColPurpose, 2, u"照明"_qs); }); }},
        {"paste in the middle with its sort and renumber", pasteFromMenu(3, u"9\tP1\r\n\tP2\r\n")},
        {"paste that grows the sheet", pasteFromMenu(98, u"7\ta\r\n8\tb\r\n9\tc\r\n")},
        {"paste of a number that moves to the top", pasteFromMenu(6, u"0\t先頭へ\r\n")},
        {"delete one row", [](RecordDocument& d) { d.deleteRow(2, yes); }},
        {"delete rows 2 to 4", [](RecordDocument& d) { d.deleteRows(2, 4, {}); }},
        {"declined delete still renumbers", [](RecordDocument& d) { d.deleteRows(1, 1, no); }},
        {"delete all", [](RecordDocument& d) { d.deleteAllRecords(); }},
        {"sort alone", [](RecordDocument& d) { d.sortRecords(); }},
        {"renumber alone", [](RecordDocument& d) { d.renumberRecords(); }},
        {"company name", [](RecordDocument& d) { d.setCompanyName(u"乙電設"_qs); }},
        {"sheet made smaller", [](RecordDocument& d) { editList(d, [](RecordSheet& s) { s.setRowCount(3); }); }},
    };
    for (const Case& c : cases) {
        RecordedDocument recorded;
        RecordDocument& d = recorded.document;
        editList(d, fillMixedList);
        recorded.steps.clear();
        const Snapshot before(d);

        c.edit(d);
        const Snapshot after(d);
        ASSERT_FALSE(before == after) << c.name;
        ASSERT_EQ(recorded.steps.size(), 1u) << c.name;

        d.undoStep(*recorded.steps.front());
        EXPECT_TRUE(Snapshot(d) == before) << c.name;
        EXPECT_EQ(d.sheet().rowCount(), before.sheet.rowCount()) << c.name;
        EXPECT_EQ(d.sheet().recordCount, before.sheet.recordCount) << c.name;
        d.redoStep(*recorded.steps.front());
        EXPECT_TRUE(Snapshot(d) == after) << c.name;
        EXPECT_EQ(recorded.steps.size(), 1u) << c.name << ": undo and redo record nothing";
    }
}

TEST(UndoSteps, EditsThatChangeNothingRecordNoStep)
{
    RecordedDocument recorded;
    RecordDocument& d = recorded.document;
    editList(d, fillMixedList);
    d.renumberRecords();
    recorded.steps.clear();

    d.renumberRecords();
    d.pasteText(1, u"");
    d.setCompanyName(d.companyName());
    d.deleteRow(1, no);
    EXPECT_THROW(d.pasteText(kMaxRowCount - 1, u"a\r\nb\r\n"), Failure);
    EXPECT_TRUE(recorded.steps.empty());
}

TEST(UndoSteps, UndoingBackToTheSavedListLeavesNothingUnsaved)
{
    QTemporaryDir dir;
    RecordedDocument recorded;
    RecordDocument& d = recorded.document;
    editList(d, fillMixedList);
    d.save(dir.filePath(u"list.kav"_qs));
    recorded.steps.clear();

    d.deleteRow(1, yes);
    d.setCompanyName(u"乙"_qs);
    ASSERT_TRUE(d.isModified());
    d.undoStep(*recorded.steps[1]);
    EXPECT_TRUE(d.isModified());
    d.undoStep(*recorded.steps[0]);
    EXPECT_FALSE(d.isModified());
    d.redoStep(*recorded.steps[0]);
    EXPECT_TRUE(d.isModified());

    const int resetsBefore = recorded.resets;
    d.open(dir.filePath(u"list.kav"_qs));
    EXPECT_EQ(recorded.resets, resetsBefore + 1);
}

// Many random edits, then every step undone in turn: each undo must land on
// the list exactly as it stood before that edit, and redoing all of them on
// the final list.
TEST(UndoSteps, ARandomRunOfEditsUndoesStepByStep)
{
    RecordedDocument recorded;
    RecordDocument& d = recorded.document;
    editList(d, fillMixedList);
    recorded.steps.clear();
    QRandomGenerator random(20240607);
    std::vector<Snapshot> history{Snapshot(d)};
    for (int i = 0; i < 150; ++i) {
        const int row = random.bounded(1, d.sheet().rowCount() + 1);
        const int stepsBefore = static_cast<int>(recorded.steps.size());
        switch (random.bounded(7)) {
        case 0: {
            const auto step = d.groupSteps();
            d.pasteText(row, QStringLiteral("%1\t貼%2\r\n\tx\r\n").arg(random.bounded(0, 30)).arg(i));
            d.sortRecords();
            d.renumberRecords();
            break;
        }
        case 1: d.deleteRow(std::min(row, d.sheet().rowCount() - 1), yes); break;
        case 2: {
            int up = std::min(row + random.bounded(4), d.sheet().rowCount() - 1);
            d.deleteRows(row, up, yes);
            break;
        }
        case 3: if (random.bounded(10) == 0) d.deleteAllRecords(); break;
        case 4: d.setCompanyName(QStringLiteral("会社%1").arg(i)); break;
        case 5: editList(d, [&](RecordSheet& s) { s.setCell(ColCircuit, std::min(row, s.rowCount() - 1), QString::number(i)); }); break;
        case 6: d.sortRecords(); break;
        }
        if (static_cast<int>(recorded.steps.size()) > stepsBefore)
            history.emplace_back(d);
        ASSERT_EQ(recorded.steps.size() + 1, history.size()) << "edit " << i;
    }
    for (size_t s = recorded.steps.size(); s-- > 0;) {
        d.undoStep(*recorded.steps[s]);
        ASSERT_TRUE(Snapshot(d) == history[s]) << "undo of step " << s;
    }
    for (const auto& step : recorded.steps)
        d.redoStep(*step);
    EXPECT_TRUE(Snapshot(d) == history.back());
}

// A step keeps what the edit changed, not the sheet: on a full sheet of
// 100,000 rows a delete near the top (every row below moves up and gets a new
// number) or a paste that moves one record to the top stays small.
TEST(UndoSteps, StepsOnAFullSheetKeepOnlyWhatChanged)
{
    RecordedDocument recorded;
    RecordDocument& d = recorded.document;
    editList(d, [](RecordSheet& s) {
        s.setRowCount(kMaxRowCount);
        for (int r = 1; r < kMaxRowCount; ++r)
            s.editRow(r) = Record{QString::number(r), QStringLiteral("盤%1").arg(r), u"動力"_qs};
        s.recordCount = kMaxRowCount - 1;
    });
    recorded.steps.clear();
    const Snapshot before(d);

    d.deleteRow(5, yes);
    d.renumberRecords();
    {
        const auto step = d.groupSteps();
        d.pasteText(kMaxRowCount - 1, u"0\t最後から先頭へ\r\n");
        d.sortRecords();
        d.renumberRecords();
    }
    ASSERT_EQ(recorded.steps.size(), 3u);
    for (const auto& step : recorded.steps)
        EXPECT_LT(step->approximateBytes(), 4096u);
    for (size_t s = recorded.steps.size(); s-- > 0;)
        d.undoStep(*recorded.steps[s]);
    EXPECT_TRUE(Snapshot(d) == before);
}
