#include "WindowTestSupport.h"
#include "../StateTimeout.h"

#include "entry/EntryForm.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace {

QString row(std::initializer_list<QString> cells)
{
    QStringList texts(cells);
    while (texts.size() < kColumnCount)
        texts << QString();
    return texts.join(u'\t') + u"\r\n"_qs;
}

QString cellText(const WindowFixture& fx, int column, int sheetRow)
{
    return fx.grid()->model()->index(RecordSheetModel::modelRow(sheetRow), column).data().toString();
}

QString readSettingsCompany(const QString& path)
{
    Settings settings{};
    SettingsFile::load(path, settings);
    return settings.lines[0];
}

} // namespace

class RecordSheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leftDragSelectsRowsAndTheHeaderSelectsNothing();
    void shiftDownSelectsTheRowsThatDeleteAndCopyUse();
    void rightClickOpensThePopupAndChangesNothing();
    void popupOpensAtTheComputedScreenPoint();
    void copyPutsTheSelectedRowsOnTheClipboard();
    void ctrlVPastesAtTheCurrentRowAsTheMenuDoes();
    void pasteFromTheMenuSortsAndRenumbers();
    void pasteStartsAtTheCurrentRowAndGrowsTheSheet();
    void pastePastTheRowCapIsRefused();
    void singleRowDeleteAsksFirst();
    void rangeDeleteDoesNotAsk();
    void deleteFromTheHeaderRowDoesNothing();
    void deleteAllEmptiesTheRecordRows();
    void deleteKeyDeletesTheSelectedRowsAsTheMenuDoes();
    void doubleClickOrEnterOpensTheEntryFormOnTheCurrentRow();
    void doubleClickOffTheCellsDoesNothing();
    void doubleClickOnTheHeaderRowOpensTheEntryFormOnRowZero();
    void registerRefreshesTheGrid();
    void aCutCellShowsItsWholeTextInATooltip();
    void hundredThousandRowsNeedNoPerRowWork();
    void namedActionsRunTheirOperations();
};

void RecordSheetTest::leftDragSelectsRowsAndTheHeaderSelectsNothing()
{
    WindowFixture fx;
    fx.show();
    fx.fillRecords(10);

    // A drag from row 5 up to row 3 selects 3..5; the selection began at 5.
    fx.pressCell(2, 5);
    QTest::mouseMove(fx.viewport(), fx.cellCentre(4, 3));
    fx.releaseCell(4, 3);
    QCOMPARE(fx.grid()->selectedSheetRows(), std::make_pair(3, 5));
    QCOMPARE(fx.grid()->currentSheetRow(), 5);

    // The header row is row 0 for the mouse: it selects nothing.
    QHeaderView* header = fx.grid()->horizontalHeader();
    const QPoint onHeader(header->sectionViewportPosition(3) + 5, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, onHeader);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, onHeader);
    QCOMPARE(fx.grid()->selectedSheetRows(), std::make_pair(3, 5));
    QCOMPARE(fx.grid()->cellAt(header->mapTo(fx.grid(), onHeader) - QPoint(fx.grid()->frameWidth(), fx.grid()->frameWidth())),
             (SheetCell{3, 0}));

    // Below the last row there is no cell.
    fx.editSheet([](RecordSheet& s) { s.setRowCount(4); });
    const QPoint belowRows(fx.cellCentre(1, 3) + QPoint(0, 3 * MainWindowRules::kRowHeight));
    const QPoint frame(fx.grid()->frameWidth(), fx.grid()->frameWidth());
    QCOMPARE(fx.grid()->cellAt(fx.viewport()->mapTo(fx.grid(), belowRows) - frame), SheetCell{});
}

void RecordSheetTest::shiftDownSelectsTheRowsThatDeleteAndCopyUse()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(8);
    fx.clickCell(1, 3);
    QTest::keyClick(fx.grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(fx.grid(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(fx.grid()->selectedSheetRows(), std::make_pair(3, 5));

    fx.child<QAction>("copyAction")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             row({u"3"_qs, u"盤3"_qs}) + row({u"4"_qs, u"盤4"_qs}) + row({u"5"_qs, u"盤5"_qs}));

    fx.child<QAction>("deleteRowsAction")->trigger();
    QVERIFY(fx.prompts.questions.isEmpty());
    QStringList left;
    for (int r = 1; r <= 6; ++r)
        left << w.document().sheet().cell(ColNumber, r) + w.document().sheet().cell(ColFrom1, r);
    QCOMPARE(left, (QStringList{u"1盤1"_qs, u"2盤2"_qs, u"3盤6"_qs, u"4盤7"_qs, u"5盤8"_qs, QString()}));
    QCOMPARE(w.document().sheet().recordCount, 5);
}

void RecordSheetTest::rightClickOpensThePopupAndChangesNothing()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(10);
    fx.pressCell(1, 5);
    fx.releaseCell(1, 8);
    fx.clickCell(1, 3);
    fx.clickCell(1, 4, Qt::ShiftModifier);
    const auto selected = fx.grid()->selectedSheetRows();
    QCOMPARE(selected, std::make_pair(3, 4));

    fx.pressCell(6, 7, Qt::RightButton);
    fx.releaseCell(6, 7, Qt::RightButton);
    auto* menu = fx.child<QMenu>("sheetMenu");
    QTRY_VERIFY(menu->isVisible());
    menu->hide();

    QCOMPARE(fx.grid()->selectedSheetRows(), selected);
    QCOMPARE(fx.grid()->currentSheetRow(), 3);

    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? u"--"_qs : action->text());
    QCOMPARE(items, (QStringList{u"コピー"_qs, u"貼り付け"_qs, u"--"_qs, u"行削除"_qs, u"--"_qs, u"全削除"_qs, u"--"_qs,
                                 u"元に戻す"_qs, u"やり直し"_qs}));
}

void RecordSheetTest::popupOpensAtTheComputedScreenPoint()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    w.move(0, 0);
    QTRY_COMPARE(w.frameGeometry().topLeft(), QPoint(0, 0));
    const QPoint inViewport = fx.cellCentre(0, 1);
    const int frame = fx.grid()->frameWidth();
    const QPoint sheetPoint = fx.viewport()->mapTo(fx.grid(), inViewport) - QPoint(frame, frame);

    QTest::mouseRelease(fx.viewport(), Qt::RightButton, {}, inViewport);
    auto* menu = fx.child<QMenu>("sheetMenu");
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), MainWindowRules::popupScreenPoint(sheetPoint, QPoint(0, 0), QPoint(11, 45)));
    menu->hide();
}

void RecordSheetTest::copyPutsTheSelectedRowsOnTheClipboard()
{
    // The menu's コピー and Ctrl+C in the sheet copy the same rows.
    const std::function<void(WindowFixture&)> copyCommands[] = {
        [](WindowFixture& fx) { fx.child<QAction>("copyAction")->trigger(); },
        [](WindowFixture& fx) { QTest::keyClick(fx.grid(), Qt::Key_C, Qt::ControlModifier); },
    };
    for (const auto& copy : copyCommands) {
        WindowFixture fx;
        fx.show();
        fx.fillRecords(5);
        fx.clickCell(3, 2);
        fx.clickCell(3, 3, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(u"old"_qs);

        copy(fx);
        QCOMPARE(QGuiApplication::clipboard()->text(), row({u"2"_qs, u"盤2"_qs}) + row({u"3"_qs, u"盤3"_qs}));
    }
}

void RecordSheetTest::ctrlVPastesAtTheCurrentRowAsTheMenuDoes()
{
    const std::function<void(WindowFixture&)> pasteCommands[] = {
        [](WindowFixture& fx) { fx.child<QAction>("pasteAction")->trigger(); },
        [](WindowFixture& fx) { QTest::keyClick(fx.grid(), Qt::Key_V, Qt::ControlModifier); },
    };
    QList<RecordSheet> results;
    for (const auto& paste : pasteCommands) {
        WindowFixture fx;
        MainWindow& w = fx.show();
        fx.fillRecords(3);
        fx.clickCell(2, 2);
        QGuiApplication::clipboard()->setText(u"9\t盤X\r\n"_qs);
        paste(fx);
        results << w.document().sheet();
    }
    // Pasted over the current row 2, then sorted and renumbered: 1, 3, 9 → 1, 2, 3.
    QCOMPARE(results[0].row(3)[0], u"3"_qs);
    QCOMPARE(results[0].row(3)[1], u"盤X"_qs);
    QVERIFY(results[1] == results[0]);
}

void RecordSheetTest::pasteFromTheMenuSortsAndRenumbers()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    QGuiApplication::clipboard()->setText(u"3\tC\r\n\tB\r\n1\tA\r\n"_qs);
    w.pasteSortAndRenumber(); // the current row is row 1 until the user picks another

    QCOMPARE(w.document().sheet().row(1)[0], u"1"_qs);
    QCOMPARE(w.document().sheet().row(1)[1], u"A"_qs);
    QCOMPARE(w.document().sheet().row(2)[0], u"2"_qs);
    QCOMPARE(w.document().sheet().row(2)[1], u"C"_qs);
    // A pasted row with text but no number is numbered after the others: every row prints.
    QCOMPARE(w.document().sheet().row(3)[0], u"3"_qs);
    QCOMPARE(w.document().sheet().row(3)[1], u"B"_qs);
    QCOMPARE(w.document().sheet().recordCount, 3);
    QCOMPARE(cellText(fx, 1, 1), u"A"_qs); // the grid shows it
    QVERIFY(w.document().isModified());
}

void RecordSheetTest::pasteStartsAtTheCurrentRowAndGrowsTheSheet()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.clickCell(0, 98);
    fx.clickCell(0, 99, Qt::ShiftModifier); // extends the selection, keeps the current row
    QCOMPARE(fx.grid()->currentSheetRow(), 98);
    QGuiApplication::clipboard()->setText(u"a\tx\nb\ty\rc\tz"_qs);

    w.pasteFromClipboard();
    QCOMPARE(w.document().sheet().rowCount(), 101);
    QCOMPARE(fx.grid()->model()->rowCount(), 100);
    QCOMPARE(w.document().sheet().row(98)[1], u"x"_qs);
    QCOMPARE(w.document().sheet().row(99)[1], u"y"_qs);
    QCOMPARE(w.document().sheet().row(100)[1], u"z"_qs);
    QCOMPARE(cellText(fx, 1, 100), u"z"_qs);
    QVERIFY(fx.prompts.errors.isEmpty());

    // An empty clipboard pastes nothing and changes nothing.
    WindowFixture fresh;
    MainWindow& clean = fresh.show();
    QGuiApplication::clipboard()->clear();
    clean.pasteSortAndRenumber();
    QCOMPARE(clean.document().sheet().rowCount(), 100);
    QVERIFY(!clean.document().isModified());
    QVERIFY(fresh.prompts.errors.isEmpty());
}

void RecordSheetTest::pastePastTheRowCapIsRefused()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.editSheet([](RecordSheet& s) {
        s.setRowCount(kMaxRowCount);
        s.setCell(0, 1, u"2"_qs);
        s.setCell(0, 2, u"1"_qs);
    });
    fx.grid()->selectSheetRows(kMaxRowCount - 1, kMaxRowCount - 1);
    QGuiApplication::clipboard()->setText(u"a\r\nb\r\n"_qs);

    w.pasteSortAndRenumber();
    QCOMPARE(fx.prompts.errors.size(), 1);
    QCOMPARE(w.document().sheet().rowCount(), kMaxRowCount);
    QCOMPARE(w.document().sheet().row(kMaxRowCount - 1)[0], QString());
    // The refused paste ends the menu item: no sort, no renumber.
    QCOMPARE(w.document().sheet().row(1)[0], u"2"_qs);
    QCOMPARE(w.document().sheet().row(2)[0], u"1"_qs);
}

void RecordSheetTest::singleRowDeleteAsksFirst()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(8);
    fx.editSheet([](RecordSheet& s) { s.setCell(0, 8, u"20"_qs); });
    fx.clickCell(1, 6);

    fx.prompts.answerYes = false;
    w.deleteSelectedRows();
    QCOMPARE(fx.prompts.questions, QStringList{u"No. 6 を削除しますか？"_qs});
    QCOMPARE(w.document().sheet().row(6)[1], u"盤6"_qs);
    QCOMPARE(w.document().sheet().row(8)[0], u"8"_qs); // renumbered all the same

    fx.prompts.answerYes = true;
    fx.clickCell(1, 6);
    w.deleteSelectedRows();
    QCOMPARE(fx.prompts.questions.size(), 2);
    QCOMPARE(w.document().sheet().row(6)[1], u"盤7"_qs);
    QCOMPARE(w.document().sheet().row(6)[0], u"6"_qs);
    QCOMPARE(w.document().sheet().row(8)[1], QString());
    QCOMPARE(w.document().sheet().recordCount, 7);
    QCOMPARE(cellText(fx, 1, 6), u"盤7"_qs);
    QVERIFY(w.document().isModified());
}

void RecordSheetTest::rangeDeleteDoesNotAsk()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(10);
    fx.pressCell(1, 5);
    QTest::mouseMove(fx.viewport(), fx.cellCentre(1, 8));
    fx.releaseCell(1, 8);
    // A right click in between leaves the rows to delete alone.
    fx.pressCell(1, 2, Qt::RightButton);
    fx.releaseCell(1, 2, Qt::RightButton);
    fx.child<QMenu>("sheetMenu")->hide();

    fx.child<QAction>("deleteRowsAction")->trigger();
    QVERIFY(fx.prompts.questions.isEmpty());
    QCOMPARE(w.document().sheet().row(4)[1], u"盤4"_qs);
    QCOMPARE(w.document().sheet().row(5)[1], u"盤9"_qs);
    QCOMPARE(w.document().sheet().row(6)[1], u"盤10"_qs);
    QCOMPARE(w.document().sheet().row(6)[0], u"6"_qs);
    QCOMPARE(w.document().sheet().row(7)[1], QString());
    QCOMPARE(w.document().sheet().recordCount, 6);
    QCOMPARE(fx.grid()->selectedSheetRows(), std::make_pair(5, 5)); // the rows that moved up
    QCOMPARE(w.document().sheet().rowCount(), 100);
}

void RecordSheetTest::deleteFromTheHeaderRowDoesNothing()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(3);
    const RecordSheet before = w.document().sheet();
    QHeaderView* header = fx.grid()->horizontalHeader();
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    fx.releaseCell(1, 2);
    w.deleteSelectedRows();
    QVERIFY(w.document().sheet() == before);
    QVERIFY(fx.prompts.questions.isEmpty());
}

void RecordSheetTest::deleteAllEmptiesTheRecordRows()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(5);
    fx.editSheet([](RecordSheet& s) { s.setRowCount(120); });

    fx.child<QAction>("deleteAllAction")->trigger();
    QVERIFY(fx.prompts.questions.isEmpty());
    QCOMPARE(w.document().sheet().recordCount, 0);
    QCOMPARE(w.document().sheet().rowCount(), 120);
    QCOMPARE(w.document().sheet().row(0), RecordSheet::headerTexts());
    for (int r = 1; r < 120; ++r)
        QVERIFY(w.document().sheet().row(r) == Record{});
    QCOMPARE(cellText(fx, 1, 1), QString());
    QVERIFY(w.document().isModified());
}

void RecordSheetTest::deleteKeyDeletesTheSelectedRowsAsTheMenuDoes()
{
    const std::function<void(WindowFixture&)> deleteCommands[] = {
        [](WindowFixture& fx) { fx.child<QAction>("deleteRowsAction")->trigger(); },
        [](WindowFixture& fx) { QTest::keyClick(fx.grid(), Qt::Key_Delete); },
    };
    QList<RecordSheet> results;
    QList<QStringList> questions;
    for (const auto& deleteRows : deleteCommands) {
        WindowFixture fx;
        MainWindow& w = fx.show();
        fx.fillRecords(8);
        // One row asks first; "no" keeps it.
        fx.clickCell(1, 2);
        deleteRows(fx);
        QCOMPARE(w.document().sheet().cell(ColFrom1, 2), u"盤2"_qs);
        fx.clickCell(1, 3);
        fx.clickCell(1, 5, Qt::ShiftModifier);
        deleteRows(fx);
        results << w.document().sheet();
        questions << fx.prompts.questions;
    }
    QCOMPARE(results[0].cell(ColFrom1, 3), u"盤6"_qs);
    QCOMPARE(results[0].recordCount, 5);
    QCOMPARE(questions[0].size(), 1);
    QVERIFY(results[1] == results[0]);
    QCOMPARE(questions[1], questions[0]);
}

void RecordSheetTest::doubleClickOrEnterOpensTheEntryFormOnTheCurrentRow()
{
    const std::function<void(WindowFixture&)> openers[] = {
        [](WindowFixture& fx) { QTest::mouseDClick(fx.viewport(), Qt::LeftButton, {}, fx.cellCentre(1, 8)); },
        [](WindowFixture& fx) { QTest::keyClick(fx.grid(), Qt::Key_Return); },
        [](WindowFixture& fx) { QTest::keyClick(fx.grid(), Qt::Key_Enter, Qt::KeypadModifier); },
    };
    for (const auto& open : openers) {
        WindowFixture fx;
        MainWindow& w = fx.show();
        fx.fillRecords(5);
        fx.child<QLineEdit>("companyNameEdit")->setText(u"双葉電気"_qs);
        EntryForm form2(w.document());
        w.setEntryForm(&form2);

        QWidget* shownModal = nullptr;
        QStringList fields;
        QTimer::singleShot(0, &form2, [&] {
            shownModal = QApplication::activeModalWidget();
            fields << form2.findChild<QLabel*>(u"recordNumberLabel"_qs)->text();
            for (const char* name : {"from1Field", "constructionDateField", "constructorField", "manufactureYearField"})
                fields << form2.findChild<QLineEdit*>(QLatin1String(name))->text();
            form2.reject();
        });
        fx.clickCell(1, 8);
        open(fx);

        QCOMPARE(shownModal, &form2);
        QCOMPARE(fields, (QStringList{u"6"_qs, QString(), u"令和5年4月1日"_qs, u"双葉電気"_qs, u"令和5年"_qs}));
    }
}

void RecordSheetTest::doubleClickOnTheHeaderRowOpensTheEntryFormOnRowZero()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.fillRecords(2);
    EntryForm form2(w.document());
    w.setEntryForm(&form2);

    QWidget* shownModal = nullptr;
    QString numberField;
    QTimer::singleShot(0, &form2, [&] {
        shownModal = QApplication::activeModalWidget();
        numberField = form2.findChild<QLabel*>(u"recordNumberLabel"_qs)->text();
        form2.reject();
    });
    // A header's mouse events arrive at its viewport, as the window system delivers them.
    QWidget* header = fx.grid()->horizontalHeader()->viewport();
    const QPoint onNumberColumn(10, header->height() / 2);
    QTest::mouseClick(header, Qt::LeftButton, {}, onNumberColumn);
    QTest::mouseDClick(header, Qt::LeftButton, {}, onNumberColumn);

    QCOMPARE(shownModal, &form2);
    QCOMPARE(numberField, u"No."_qs);
}

void RecordSheetTest::doubleClickOffTheCellsDoesNothing()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    fx.editSheet([](RecordSheet& s) { s.setRowCount(3); });
    EntryForm form2(w.document());
    w.setEntryForm(&form2);

    bool modalSeen = false;
    QTimer::singleShot(0, &form2, [&] {
        if (QApplication::activeModalWidget()) {
            modalSeen = true;
            QApplication::activeModalWidget()->close();
        }
    });
    const QPoint belowRows = fx.cellCentre(1, 2) + QPoint(0, 4 * MainWindowRules::kRowHeight);
    QTest::mouseClick(fx.viewport(), Qt::LeftButton, {}, belowRows);
    QTest::mouseDClick(fx.viewport(), Qt::LeftButton, {}, belowRows);
    QTest::qWait(20);
    QVERIFY(!modalSeen);
}

void RecordSheetTest::aCutCellShowsItsWholeTextInATooltip()
{
    WindowFixture fx;
    fx.show();
    const QString cut = u"1F電灯分電盤 L-1 <b>東</b>"_qs;
    fx.editSheet([&](RecordSheet& s) {
        s.setCell(ColNumber, 1, u"1"_qs);
        s.setCell(ColTo1, 1, cut);
        s.setCell(ColTo2, 1, u"盤"_qs);
        s.recordCount = 1;
    });
    // The window system sends a tooltip request to the viewport under the pointer.
    const auto tooltipAt = [&](int column) {
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kStateTimeoutMs);
        const QPoint at = fx.cellCentre(column, 1);
        QHelpEvent help(QEvent::ToolTip, at, fx.viewport()->mapToGlobal(at));
        QApplication::sendEvent(fx.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString tip = tooltipAt(ColTo1);
    QTextDocument shown;
    shown.setHtml(tip);
    QCOMPARE(shown.toPlainText(), cut);
    QCOMPARE(tooltipAt(ColTo2), QString()); // a text that fits needs none
    QCOMPARE(tooltipAt(ColFrom1), QString());
}

void RecordSheetTest::registerRefreshesTheGrid()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    EntryForm form2(w.document());
    w.setEntryForm(&form2);
    // A new record past the last row grows the sheet, as a register from the
    // entry form does through the document; the grid follows.
    fx.editSheet([](RecordSheet& s) {
        s.setRowCount(101);
        s.setCell(0, 100, u"1"_qs);
        s.setCell(1, 100, u"受電盤"_qs);
    });
    QCOMPARE(fx.grid()->model()->rowCount(), 100);
    QCOMPARE(cellText(fx, 1, 100), u"受電盤"_qs);
    QVERIFY(w.document().isModified());
}

void RecordSheetTest::hundredThousandRowsNeedNoPerRowWork()
{
    WindowFixture fx;
    fx.show();
    fx.editSheet([](RecordSheet& s) {
        s.setRowCount(kMaxRowCount);
        s.setCell(ColCableType, kMaxRowCount - 1, u"CVT 60sq"_qs);
    });

    QHeaderView* rows = fx.grid()->verticalHeader();
    QCOMPARE(fx.grid()->model()->rowCount(), kMaxRowCount - 1);
    QCOMPARE(rows->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(rows->defaultSectionSize(), MainWindowRules::kRowHeight);
    QCOMPARE(fx.grid()->rowHeight(kMaxRowCount - 2), MainWindowRules::kRowHeight);
    QCOMPARE(rows->length(), (kMaxRowCount - 1) * MainWindowRules::kRowHeight);
    QCOMPARE(cellText(fx, ColCableType, kMaxRowCount - 1), u"CVT 60sq"_qs);
}

void RecordSheetTest::namedActionsRunTheirOperations()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    const auto click = [&](const char* name) {
        QAction* action = fx.child<QAction>(name);
        QVERIFY2(action, name);
        action->trigger();
    };

    // Paste, sort and renumber, one named operation at a time.
    QGuiApplication::clipboard()->setText(u"7\tB\r\n3\tA\r\n"_qs);
    click("pasteHereAction");
    QCOMPARE(w.document().sheet().row(1)[0], u"7"_qs);
    click("sortAction");
    QCOMPARE(w.document().sheet().row(1)[1], u"A"_qs);
    click("renumberAction");
    QCOMPARE(w.document().sheet().row(2)[0], u"2"_qs);
    QCOMPARE(w.document().sheet().recordCount, 2);
    QCOMPARE(cellText(fx, 0, 2), u"2"_qs);

    fx.clickCell(1, 1);
    click("copyAction");
    QCOMPARE(QGuiApplication::clipboard()->text(), row({u"1"_qs, u"A"_qs}));

    fx.prompts.answerYes = true;
    click("deleteRowAction"); // the current row
    QCOMPARE(fx.prompts.questions, QStringList{u"No. 1 を削除しますか？"_qs});
    QCOMPARE(w.document().sheet().row(1)[1], u"B"_qs);

    click("saveSettingsAction");
    QCOMPARE(readSettingsCompany(fx.settingsPath()), w.document().companyName());
}

int runRecordSheetTests(int argc, char** argv)
{
    RecordSheetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecordSheetTest.moc"
