#include "WindowTestSupport.h"

#include "main/UndoHistory.h"
#include "sheet/RecordFile.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {

struct Snapshot {
    RecordSheet sheet;
    QString company;
    explicit Snapshot(const RecordDocument& d) : sheet(d.sheet()), company(d.companyName()) {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? u"-"_qs : action->text());
    return texts;
}

// Shortcuts reach the window the way the keyboard does: as key presses on
// the widget that has the focus.
void pressKeys(MainWindow& window, QKeyCombination keys)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
}

} // namespace

class UndoWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void popupMenuEndsWithUndoAndRedo();
    void shortcutsUndoAndRedoAPasteAsOneStep();
    void undoingBackToTheOpenedFileLeavesNothingToAskAtClose();
    void openingAFileStartsAFreshHistory();
    void typingACompanyNameIsOneStep();
    void aHundredStepsCanBeUndone();
};

void UndoWindowTest::popupMenuEndsWithUndoAndRedo()
{
    WindowFixture f;
    MainWindow& window = f.create();
    const auto* menu = f.child<QMenu>("sheetMenu");
    QCOMPARE(menuTexts(menu), (QStringList{u"コピー"_qs, u"貼り付け"_qs, u"-"_qs, u"行削除"_qs, u"-"_qs, u"全削除"_qs,
                                           u"-"_qs, u"元に戻す"_qs, u"やり直し"_qs}));
    QAction* undo = window.undoHistory().undoAction();
    QAction* redo = window.undoHistory().redoAction();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    f.fillRecords(3);
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    undo->trigger();
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
}

void UndoWindowTest::shortcutsUndoAndRedoAPasteAsOneStep()
{
    WindowFixture f;
    MainWindow& window = f.show();
    f.fillRecords(3);
    const Snapshot before(window.document());
    f.clickCell(1, 2);
    QGuiApplication::clipboard()->setText(u"9\t新規\r\n\t番号なし\r\n"_qs);
    window.pasteSortAndRenumber();
    const Snapshot after(window.document());
    QVERIFY(!(after == before));
    // Sorted and renumbered: 新規 keeps row 2 as record 2, the row pasted
    // without a number comes last as record 3.
    QCOMPARE(window.document().sheet().cell(ColNumber, 2), u"2"_qs);
    QCOMPARE(window.document().sheet().cell(ColFrom1, 2), u"新規"_qs);
    QCOMPARE(window.document().sheet().cell(ColFrom1, 3), u"番号なし"_qs);
    QCOMPARE(window.document().sheet().recordCount, 3);

    const struct {
        const char* name;
        QKeyCombination keys;
        const Snapshot& expected;
    } presses[] = {
        {"Ctrl+Z", Qt::CTRL | Qt::Key_Z, before},
        {"Ctrl+Y", Qt::CTRL | Qt::Key_Y, after},
        {"Ctrl+Z again", Qt::CTRL | Qt::Key_Z, before},
        {"Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, after},
    };
    for (const auto& press : presses) {
        pressKeys(window, press.keys);
        QVERIFY2(Snapshot(window.document()) == press.expected, press.name);
    }
}

void UndoWindowTest::undoingBackToTheOpenedFileLeavesNothingToAskAtClose()
{
    WindowFixture f;
    RecordSheet sheet;
    sheet.editRow(1) = Record{u"1"_qs, u"盤A"_qs};
    sheet.recordCount = 1;
    RecordFile::save(f.path(u"list.kav"_qs), u"甲電設"_qs, sheet);
    MainWindow& window = f.show();
    QVERIFY(window.openFile(f.path(u"list.kav"_qs)));

    window.deleteAllRecords();
    f.child<QLineEdit>("companyNameEdit")->setText(u"乙電設"_qs);
    QVERIFY(window.document().isModified());
    window.undoHistory().undoAction()->trigger();
    window.undoHistory().undoAction()->trigger();
    QVERIFY(!window.document().isModified());
    QCOMPARE(f.child<QLineEdit>("companyNameEdit")->text(), u"甲電設"_qs);

    QVERIFY(window.close());
    QCOMPARE(f.prompts.unsavedAsked, 0);
}

void UndoWindowTest::openingAFileStartsAFreshHistory()
{
    WindowFixture f;
    RecordFile::save(f.path(u"list.kav"_qs), u"甲電設"_qs, RecordSheet());
    MainWindow& window = f.create();
    f.fillRecords(2);
    QVERIFY(window.undoHistory().undoAction()->isEnabled());
    QVERIFY(window.openFile(f.path(u"list.kav"_qs)));
    QVERIFY(!window.undoHistory().undoAction()->isEnabled());
    QCOMPARE(window.undoHistory().stack().count(), 0);
}

void UndoWindowTest::typingACompanyNameIsOneStep()
{
    WindowFixture f;
    MainWindow& window = f.show();
    const QString original = window.document().companyName();
    auto* edit = f.child<QLineEdit>("companyNameEdit");
    edit->setFocus();
    QTest::keyClicks(edit, u"abc"_qs);
    QCOMPARE(window.undoHistory().stack().count(), 1);
    window.undoHistory().undoAction()->trigger();
    QCOMPARE(window.document().companyName(), original);
    QCOMPARE(edit->text(), original);
}

void UndoWindowTest::aHundredStepsCanBeUndone()
{
    WindowFixture f;
    MainWindow& window = f.create();
    const Snapshot start(window.document());
    for (int i = 1; i <= UndoHistory::kStepLimit; ++i)
        f.editSheet([i](RecordSheet& s) { s.setCell(ColFrom1, i % 50 + 1, QString::number(i)); });
    for (int i = 0; i < UndoHistory::kStepLimit; ++i)
        window.undoHistory().undoAction()->trigger();
    QVERIFY(Snapshot(window.document()) == start);
    QVERIFY(!window.undoHistory().undoAction()->isEnabled());
}

int runUndoWindowTests(int argc, char** argv)
{
    UndoWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UndoWindowTest.moc"
