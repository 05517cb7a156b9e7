#include "catalogue/CableFamilies.h"
#include "catalogue/ui/CatalogueGridView.h"
#include "catalogue/ui/CatalogueWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// Two fields standing in for the entry form's cable type and purpose fields.
struct EntryFormStandIn {
    QWidget window;
    QLineEdit* cableType = new QLineEdit(&window);
    QLineEdit* purpose = new QLineEdit(&window);

    EntryFormStandIn()
    {
        cableType->setObjectName(QStringLiteral("cableTypeField"));
        purpose->setObjectName(QStringLiteral("purposeField"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(cableType);
        layout->addWidget(purpose);
        window.setGeometry(40, 40, 300, 120);
    }
};

QPushButton* button(const CatalogueWindow& form, const QString& name)
{
    return form.findChild<QPushButton*>(name);
}

int currentRow(const CatalogueWindow& form)
{
    return form.designationGrid()->currentIndex().row() + 1;
}

// The first row the grid really shows in full below its header (at the end
// of a list the view may show a sliver of the row above it).
int firstVisibleRow(const CatalogueWindow& form)
{
    const CatalogueGridView* view = form.designationGrid();
    const int top = view->rowAt(0);
    return (view->rowViewportPosition(top) < 0 ? top + 1 : top) + 1;
}

QPoint centreOfRow(const CatalogueWindow& form, int gridRow)
{
    const CatalogueGridView* view = form.designationGrid();
    return view->visualRect(view->model()->index(gridRow - 1, 0)).center();
}

QString shownText(const CatalogueWindow& form, int gridRow, int column)
{
    const CatalogueGridView* view = form.designationGrid();
    return view->model()->index(gridRow - 1, column).data().toString();
}

} // namespace

class CatalogueWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntryFormStandIn> entry;
    std::unique_ptr<CatalogueWindow> form;

    // Shows the catalogue beside the stand-in entry form, as "ｹｰﾌﾞﾙ呼出" does.
    void openCatalogue()
    {
        form->show();
        form->raise();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Mouse events go through the window, so a double click arrives as the
    // platform sends it: press, release, press (double click), release.
    void doubleClickAt(QWidget* widget, QPoint position, Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QTest::mouseDClick(form->windowHandle(), mouseButton, {}, widget->mapTo(form.get(), position));
    }

    void clickAt(QWidget* widget, QPoint position, Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QTest::mouseClick(form->windowHandle(), mouseButton, {}, widget->mapTo(form.get(), position));
    }

    void doubleClickRow(int gridRow)
    {
        doubleClickAt(form->designationGrid()->viewport(), centreOfRow(*form, gridRow));
    }

private Q_SLOTS:
    void init()
    {
        entry = std::make_unique<EntryFormStandIn>();
        entry->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&entry->window));
        form = std::make_unique<CatalogueWindow>();
        form->setPickTarget(entry->cableType, entry->purpose);
    }

    void cleanup()
    {
        form.reset();
        entry.reset();
    }

    void layoutIsTheCatalogueWindows()
    {
        QCOMPARE(form->windowTitle(), u"ケーブル表");
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->size(), QSize(461, 290));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(207, 205, 173));

        struct Expected {
            QString name;
            QString caption;
            QRect geometry;
            QString face;
        };
        const QString uiGothic = QStringLiteral("MS UI Gothic");
        const Expected buttons[]{
            {u"cvButton"_qs, u"CV"_qs, {7, 6, 67, 33}, uiGothic},
            {u"cvtButton"_qs, u"CVT"_qs, {77, 6, 68, 33}, uiGothic},
            {u"ceButton"_qs, u"CE"_qs, {7, 45, 67, 33}, uiGothic},
            {u"ceeButton"_qs, u"CEE"_qs, {77, 45, 68, 33}, uiGothic},
            {u"fpButton"_qs, u"FP"_qs, {7, 85, 68, 23}, uiGothic},
            {u"vvfButton"_qs, u"VVF , VV"_qs, {77, 85, 68, 23}, uiGothic},
            {u"highVoltageButton"_qs, u"高圧ケーブル"_qs, {7, 114, 138, 23}, uiGothic},
            {u"wl1Button"_qs, u"WL1"_qs, {7, 143, 67, 23}, u"ＭＳ ゴシック"_qs},
            {u"ivButton"_qs, u"IV"_qs, {78, 143, 67, 23}, uiGothic},
            {u"cvvButton"_qs, u"CVV"_qs, {7, 172, 67, 23}, uiGothic},
            {u"coaxialButton"_qs, u"同軸"_qs, {78, 172, 67, 23}, uiGothic},
            {u"cpevButton"_qs, u"CPEV"_qs, {7, 201, 67, 23}, uiGothic},
            {u"cvvSButton"_qs, u"CVV-S"_qs, {78, 201, 67, 23}, uiGothic},
            {u"aeHpButton"_qs, u"AE,HP"_qs, {7, 230, 67, 23}, uiGothic},
            {u"otherButton"_qs, u"その他"_qs, {78, 230, 67, 23}, uiGothic},
            {u"audioButton"_qs, u"音響用特殊ケーブル"_qs, {7, 259, 138, 23}, uiGothic},
        };
        for (const Expected& expected : buttons) {
            const QPushButton* b = button(*form, expected.name);
            QVERIFY2(b, qPrintable(expected.name));
            QCOMPARE(b->text(), expected.caption);
            QCOMPARE(b->geometry(), expected.geometry);
            QCOMPARE(b->font().families().first(), expected.face);
            QCOMPARE(b->font().pixelSize(), 13);
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(form->findChildren<QPushButton*>().size(), 16);

        const CatalogueGridView* grid = form->designationGrid();
        QCOMPARE(grid->objectName(), u"designationGrid");
        QCOMPARE(grid->geometry(), QRect(151, 6, 182, 276));
        QCOMPARE(grid->font().families().first(), u"ＭＳ Ｐゴシック");
        QCOMPARE(grid->font().pixelSize(), 12);
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(252, 255, 187));
        QCOMPARE(grid->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(grid->viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->model()->columnCount(), 8);
        QCOMPARE(grid->columnWidth(0), 170);
        for (int column = 0; column < 8; ++column) {
            if (column > 0)
                QCOMPARE(grid->columnWidth(column), 0);
            QCOMPARE(grid->horizontalHeader()->sectionResizeMode(column), QHeaderView::Fixed);
            QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), QString());
        }
        QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QVERIFY(!grid->verticalHeader()->isVisibleTo(form.get()));
        QCOMPARE(grid->rowHeight(0), 17);
        QCOMPARE(grid->rowHeight(35), 17);
        QCOMPARE(grid->horizontalHeader()->height(), 17);

        const auto* hint = form->findChild<QLabel*>(QStringLiteral("pickHint"));
        QVERIFY(hint);
        QCOMPARE(hint->text(), u"※ダブルクリック選択");
        QCOMPARE(hint->geometry(), QRect(355, 182, 93, 13));
        QVERIFY(hint->fontMetrics().horizontalAdvance(hint->text()) <= 93);
        const auto* picture = form->findChild<QLabel*>(QStringLiteral("crossSectionPicture"));
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(380, 114, 49, 49));
        QCOMPARE(picture->pixmap().size(), QSize(49, 49));
    }

    void tabOrderRunsThroughTheFamiliesAndTheGrid()
    {
        const QStringList expected{u"ivButton"_qs,  u"cvButton"_qs,  u"cvtButton"_qs,    u"cvvButton"_qs, u"fpButton"_qs,
                                   u"cvvSButton"_qs, u"cpevButton"_qs, u"aeHpButton"_qs,    u"vvfButton"_qs, u"highVoltageButton"_qs,
                                   u"audioButton"_qs, u"coaxialButton"_qs, u"designationGrid"_qs, u"otherButton"_qs, u"wl1Button"_qs,
                                   u"ceeButton"_qs,  u"ceButton"_qs};
        QStringList order;
        QWidget* widget = button(*form, u"ivButton"_qs);
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != button(*form, u"ivButton"_qs) && order.size() < 40);
        QCOMPARE(order, expected);
    }

    void creationShowsCvtFromRow10WithRow13Current()
    {
        QCOMPARE(form->grid().gridRowCount(), 37);
        QCOMPARE(form->grid().currentRow(), 13);
        QCOMPARE(form->grid().firstVisibleRow(), 10);
        QCOMPARE(form->releasedRow(), 0);

        openCatalogue();
        QCOMPARE(form->grid().visibleRowCount(), 15);
        QCOMPARE(currentRow(*form), 13);
        QCOMPARE(firstVisibleRow(*form), 10);
        QCOMPARE(shownText(*form, 10, 0), u"CVD 325sq");
        QCOMPARE(shownText(*form, 13, 0), u"CVT 8sq");
        QCOMPARE(shownText(*form, 13, 4), u"420");
    }

    void familySequencesOnTheRealGrid()
    {
        openCatalogue();
        const CatalogueGridView* grid = form->designationGrid();

        // CV then IV: IV's values, and nothing left of CV's columns 5 to 7.
        button(*form, u"cvButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(currentRow(*form), 30);
        QCOMPARE(firstVisibleRow(*form), 29);
        button(*form, u"ivButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(grid->model()->rowCount(), 14);
        const CableFamily& iv = *findCableFamily(u"IV");
        for (int row = 1; row <= 14; ++row) {
            for (int column = 0; column < 8; ++column)
                QCOMPARE(shownText(*form, row, column), iv.value(column, row));
            QVERIFY(shownText(*form, row, 5).isEmpty() && shownText(*form, row, 7).isEmpty());
        }
        QCOMPARE(currentRow(*form), 1);
        QCOMPARE(firstVisibleRow(*form), 1);

        // FP with row 81 current, then 同軸: its last row becomes current.
        button(*form, u"fpButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(currentRow(*form), 81);
        QCOMPARE(firstVisibleRow(*form), 81);
        button(*form, u"coaxialButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(grid->model()->rowCount(), 32);
        QCOMPARE(currentRow(*form), 32);
        QCOMPARE(firstVisibleRow(*form), 18);
        QCOMPARE(shownText(*form, 32, 0), u"20C-2V");
        QCOMPARE(shownText(*form, 32, 3), QString()); // FP's column 3 is cleared

        // CVT as at start, then 高圧ケーブル: the highlight and view stay.
        button(*form, u"cvtButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(currentRow(*form), 13);
        QCOMPARE(firstVisibleRow(*form), 13);
        form->designationGrid()->verticalScrollBar()->setValue(9);
        QCOMPARE(form->grid().firstVisibleRow(), 10);
        button(*form, u"highVoltageButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(grid->model()->rowCount(), 120);
        QCOMPARE(currentRow(*form), 13);
        QCOMPARE(firstVisibleRow(*form), 10);

        // AE,HP scrolls to the top and leaves the highlight out of view.
        button(*form, u"cpevButton"_qs)->click(); // CPEV: row 27 current
        QCoreApplication::processEvents();
        form->designationGrid()->verticalScrollBar()->setValue(60);
        button(*form, u"aeHpButton"_qs)->click();
        QCoreApplication::processEvents();
        QCOMPARE(currentRow(*form), 27);
        QCOMPARE(firstVisibleRow(*form), 1);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString());
    }

    void doubleClickPicksTheRowUnderThePointer()
    {
        openCatalogue();
        entry->cableType->setText(u"typed by hand"_qs);
        doubleClickRow(15);
        QCOMPARE(form->releasedRow(), 15);
        QCOMPARE(entry->cableType->text(), u"CVT 22sq");
        QVERIFY(!form->isVisible());
        QTRY_VERIFY(entry->purpose->hasFocus());
    }

    void rightReleaseElsewhereThenDoubleClick()
    {
        openCatalogue();
        const CatalogueGridView* grid = form->designationGrid();
        clickAt(grid->viewport(), centreOfRow(*form, 11), Qt::RightButton);
        QCOMPARE(form->releasedRow(), 11);
        QVERIFY(form->isVisible());
        QCOMPARE(entry->cableType->text(), QString());

        doubleClickRow(20);
        QCOMPARE(entry->cableType->text(), u"CVT 200sq");
        QVERIFY(!form->isVisible());
    }

    void onlyALeftDoubleClickPicks()
    {
        for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
            openCatalogue();
            entry->cableType->setText(u"kept"_qs);
            doubleClickAt(form->designationGrid()->viewport(), centreOfRow(*form, 15), other);
            QHeaderView* header = form->designationGrid()->horizontalHeader();
            doubleClickAt(header, QPoint(40, header->height() / 2), other);
            QCOMPARE(entry->cableType->text(), u"kept");
            QVERIFY(form->isVisible());
        }
    }

    void headerRowDoubleClickHandsBackAnEmptyText()
    {
        openCatalogue();
        clickAt(form->designationGrid()->viewport(), centreOfRow(*form, 13), Qt::RightButton);
        QCOMPARE(form->releasedRow(), 13);
        entry->cableType->setText(u"CVT 8sq"_qs);
        QHeaderView* header = form->designationGrid()->horizontalHeader();
        doubleClickAt(header, QPoint(40, header->height() / 2));
        QCOMPARE(form->releasedRow(), 0);
        QCOMPARE(entry->cableType->text(), QString());
        QVERIFY(!form->isVisible());
        QTRY_VERIFY(entry->purpose->hasFocus());
    }

    void aDoubleClickOnNoCellPicksNothing()
    {
        openCatalogue();
        button(*form, u"ivButton"_qs)->click(); // IV: 14 rows leave empty space below
        entry->cableType->setText(u"kept"_qs);
        const QPoint belowTheRows(40, 14 * 17 + 8);
        doubleClickAt(form->designationGrid()->viewport(), belowTheRows);
        QCOMPARE(form->releasedRow(), -1);
        QCOMPARE(entry->cableType->text(), u"kept");
        QVERIFY(form->isVisible());
    }

    void picksKeepEveryMarkOfTheDesignation()
    {
        struct Case {
            QString button;
            int row;
            QString text;
        };
        const Case cases[]{
            {u"fpButton"_qs, 81, u"FP-T 8sq"_qs},
            {u"cvButton"_qs, 30, u"CV 2sq-3C"_qs},
            {u"otherButton"_qs, 1, u"TPCC 5 (cat5e) 0.5mm×4P"_qs},
            {u"otherButton"_qs, 3, u"FSsq-TPCC 6A  0.5mm×4P"_qs},
            {u"aeHpButton"_qs, 7, u"AEV 0.9-2C(屋内専用)"_qs},
            {u"aeHpButton"_qs, 13, u"AEV 0.9-2C(屋内専用)"_qs},
        };
        for (const Case& c : cases) {
            openCatalogue();
            button(*form, c.button)->click();
            doubleClickRow(c.row);
            QCOMPARE(entry->cableType->text(), c.text);
        }
        // Rows 58 to 65 of FP and 21 to 24 of CV need the view scrolled to them.
        const std::pair<QString, int> scrolled[]{{u"fpButton"_qs, 60}, {u"cvButton"_qs, 21}};
        const QString texts[]{u"FP  5.5sq-4C"_qs, u"CV 14ﾟsq-2C"_qs};
        for (int i = 0; i < 2; ++i) {
            openCatalogue();
            button(*form, scrolled[i].first)->click();
            form->designationGrid()->verticalScrollBar()->setValue(scrolled[i].second - 1);
            doubleClickRow(scrolled[i].second);
            QCOMPARE(entry->cableType->text(), texts[i]);
        }
    }

    void aPickWithTheEntryFormClosedStillFillsTheFieldAndHides()
    {
        openCatalogue();
        entry->window.hide();
        doubleClickRow(14);
        QCOMPARE(entry->cableType->text(), u"CVT 14sq");
        QVERIFY(!form->isVisible());
        QVERIFY(!entry->window.isVisible());
    }

    void aFamilyButtonNeverPicks()
    {
        openCatalogue();
        clickAt(form->designationGrid()->viewport(), centreOfRow(*form, 12));
        QCOMPARE(currentRow(*form), 12);
        entry->cableType->setText(u"unchanged"_qs);
        clickAt(button(*form, u"cvvButton"_qs), QPoint(10, 10));
        QCOMPARE(entry->cableType->text(), u"unchanged");
        QVERIFY(form->isVisible());
        QCOMPARE(shownText(*form, 1, 0), u"CVV 1.25sq-2C");
    }

    void theWindowKeepsItsStateBetweenOpenings()
    {
        openCatalogue();
        button(*form, u"cpevButton"_qs)->click(); // CPEV: row 27 current
        form->designationGrid()->verticalScrollBar()->setValue(150);
        clickAt(form->designationGrid()->viewport(), centreOfRow(*form, 155));
        QCOMPARE(currentRow(*form), 155);
        QCOMPARE(firstVisibleRow(*form), 151);

        form->close();
        QVERIFY(!form->isVisible());
        openCatalogue();
        QCOMPARE(shownText(*form, 1, 0), u"CPEV 0.5-3P");
        QCOMPARE(currentRow(*form), 155);
        QCOMPARE(firstVisibleRow(*form), 151);
        QCOMPARE(form->grid().currentRow(), 155);
        QCOMPARE(form->grid().firstVisibleRow(), 151);

        // A pick hides it the same way.
        doubleClickRow(160);
        QCOMPARE(entry->cableType->text(), u"EM-FCPEE 0.65-200P");
        openCatalogue();
        QCOMPARE(currentRow(*form), 160);
        QCOMPARE(firstVisibleRow(*form), 151);
    }

    void firstShowingIsCentredOverTheMainWindow()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(200, 150, 800, 600);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        form->setPlacementParent(&mainWindow);
        openCatalogue();
        const QPoint offset = form->frameGeometry().center() - mainWindow.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));

        // Later showings leave it where the user put it.
        form->hide();
        form->move(10, 10);
        openCatalogue();
        QCOMPARE(form->pos(), QPoint(10, 10));
    }
};

QTEST_MAIN(CatalogueWindowTest)
#include "CatalogueWindowTest.moc"
