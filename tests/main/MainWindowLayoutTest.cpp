#include "WindowTestSupport.h"

#include "../LayoutInvariants.h"
#include "main/MainWindowLayout.h"
#include "main/MainWindowPictures.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {

using MainWindowLayout::Control;
using MainWindowLayout::Kind;

// The class a table row's kind builds.
const char* classOf(Kind kind)
{
    switch (kind) {
    case Kind::Panel:
        return "QFrame";
    case Kind::Backdrop:
        return "QWidget";
    case Kind::Button:
        return "QPushButton";
    case Kind::RadioButton:
        return "QRadioButton";
    case Kind::Label:
    case Kind::Picture:
        return "QLabel";
    case Kind::CaptionBox:
    case Kind::TextBox:
        return "QLineEdit";
    case Kind::Sheet:
        return "RecordSheetView";
    }
    return "";
}

QString textOf(const QWidget* widget) { return widget->property("text").toString(); }

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlSitsWhereTheLayoutPutsIt();
    void layoutInvariants();
    void coloursFontsAndCursors();
    void stateAfterCreation();
    void resizeKeepsTheWidthAndStretchesTheSheet();
    void aWidthImposedByTheWindowSystemSnapsBack();
    void maximisingGrowsOnlyTheHeight();
    void panelTogglesDisableTheOtherCommands_data();
    void panelTogglesDisableTheOtherCommands();
    void toggleWithAForeignCaptionDoesNothing();
    void branchSizeSwapsThePrintButtons();
    void clickingTheCompanyCaptionMovesFocusToOpen();
    void pictureSlotsAreFilled();
    void theHelpPictureShowsEveryTextWhole();
};

void MainWindowLayoutTest::everyControlSitsWhereTheLayoutPutsIt()
{
    WindowFixture fx;
    MainWindow& w = fx.create(); // before the first resize, as created
    for (const Control& row : MainWindowLayout::kControls) {
        const QString name = row.name.toString();
        const QByteArray tag = name.toUtf8();
        const QWidget* widget = w.findChild<QWidget*>(name);
        QVERIFY2(widget, tag);
        QVERIFY2(widget->inherits(classOf(row.kind)), tag);
        QVERIFY2(widget->parentWidget()->objectName() == row.parent, tag);
        QVERIFY2(widget->pos() == row.rect.topLeft(), tag);
        // A label's size follows its text.
        const QSize size = row.kind == Kind::Label ? widget->sizeHint() : row.rect.size();
        QVERIFY2(widget->size() == size, tag);
        if (!row.text.isNull())
            QCOMPARE(textOf(widget), row.text.toString());
        const int pixelSize = row.pixelSize ? row.pixelSize : MainWindowLayout::kWindowPixelSize;
        QVERIFY2(widget->font().pixelSize() == pixelSize, tag);
        QVERIFY2(widget->isHidden() == row.hidden, tag);
        if (row.kind == Kind::Panel || row.kind == Kind::Backdrop) {
            QVERIFY2(widget->autoFillBackground(), tag);
            QVERIFY2(widget->palette().color(QPalette::Window) == row.colour, tag);
        }
        if (row.kind == Kind::Label && row.colour.isValid())
            QVERIFY2(widget->palette().color(QPalette::WindowText) == row.colour, tag);
        if (const auto* choice = qobject_cast<const QRadioButton*>(widget))
            QVERIFY2(choice->isChecked() == row.checked, tag);
    }

    // The busy banner and the bar sit at the bottom of the output panel.
    QCOMPARE(fx.child("busyBanner")->geometry(), MainWindowLayout::kBusyBanner.translated(0, 480));
    QCOMPARE(fx.child("outputProgress")->geometry(), MainWindowLayout::kProgressBar.translated(0, 480));
    QCOMPARE(textOf(fx.child("busyBanner")), MainWindowLayout::kBusyBannerText.toString());
}

void MainWindowLayoutTest::layoutInvariants()
{
    WindowFixture fx;
    MainWindow& w = fx.create();

    // Every named control comes from the table, but for the few built beside it.
    QSet<QString> listed{u"sheetMenu"_qs, u"busyBanner"_qs, u"outputProgress"_qs};
    QSet<QString> backdrops;
    for (const Control& row : MainWindowLayout::kControls) {
        QVERIFY2(!listed.contains(row.name.toString()), qPrintable(row.name.toString())); // names are unique
        listed << row.name.toString();
        if (row.kind == Kind::Backdrop)
            backdrops << row.name.toString();
    }
    // The label stock group lays out its own controls.
    const QWidget* labelStock = fx.child("LabelStockGroup");
    listed << labelStock->objectName();
    for (const QWidget* widget : LayoutInvariants::namedControls(labelStock))
        listed << widget->objectName();
    for (const QWidget* widget : LayoutInvariants::namedControls(&w))
        QVERIFY2(listed.contains(widget->objectName()), qPrintable(widget->objectName()));

    // The three text orders stand closer than their height, and the plate
    // holders' names stand under their size choice.
    const std::vector<LayoutInvariants::NamePair> placedOver{
        {u"standardOrderChoice"_qs, u"fromToOrderChoice"_qs},
        {u"fromToOrderChoice"_qs, u"toFromOrderChoice"_qs},
        {u"trunkSizeChoice"_qs, u"trunkStockLabel"_qs},
        {u"branchSizeChoice"_qs, u"branchStockLabel"_qs},
    };
    QCOMPARE(LayoutInvariants::overlappingSiblings(&w, backdrops, placedOver), QStringList());
}

void MainWindowLayoutTest::coloursFontsAndCursors()
{
    WindowFixture fx;
    MainWindow& w = fx.create();
    // The program's caption comes first; the list's file follows it.
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("ケーブル名板作成支援ソフトウェア  /  タグリオ   Ver1.05 - ")));
    QVERIFY(w.autoFillBackground());
    QCOMPARE(w.palette().color(QPalette::Window), QColor(207, 205, 173));
    QCOMPARE(fx.child("outputPanel")->palette().color(QPalette::Window), QColor(192, 220, 192));
    QCOMPARE(fx.child("typeAPrintFrame")->palette().color(QPalette::Window), QColor(128, 128, 0));

    QCOMPARE(w.font().pixelSize(), 11);
    QCOMPARE(w.font().families().value(0), QStringLiteral("Tahoma"));
    QVERIFY(w.font().families().size() > 1); // a free face stands in where Tahoma is missing
    QCOMPARE(fx.grid()->font().pixelSize(), 11);
    QCOMPARE(fx.child("companyCaption")->font().pixelSize(), 16);
    QCOMPARE(fx.child("companyNameEdit")->font().pixelSize(), 16);
    QCOMPARE(fx.child("HelpTitle")->font().pixelSize(), 27);
    QCOMPARE(fx.child("HelpTitle")->palette().color(QPalette::WindowText), QColor(255, 251, 240));
    QCOMPARE(fx.child("trunkStockLabel")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(fx.child<QLineEdit>("companyCaption")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    for (const char* name : {"MainWindow", "openButton", "outputPanelButton", "typeAPrintButton", "recordGrid", "trunkSizeChoice"})
        QVERIFY2(fx.child(name)->cursor().shape() == Qt::PointingHandCursor, name);
    QCOMPARE(fx.child("outputPanel")->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowLayoutTest::stateAfterCreation()
{
    WindowFixture fx;
    MainWindow& w = fx.create();
    QCOMPARE(w.size(), QSize(1082, 600));
    QCOMPARE(w.document().sheet().recordCount, 0);
    QCOMPARE(w.document().sheet().rowCount(), 100);
    QCOMPARE(w.document().companyName(), QStringLiteral("〇〇〇〇株式会社"));
    QCOMPARE(w.document().settings().lines, Settings::defaults().lines);
    QCOMPARE(w.today().hizuke1, QStringLiteral("令和5年4月1日"));
    QVERIFY(!w.commandLineFileOpened());
    QVERIFY(w.fileName().isEmpty());

    // The header row is the grid's fixed row, showing the sheet's row 0.
    QHeaderView* header = fx.grid()->horizontalHeader();
    QVERIFY(!header->isHidden());
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->model()->headerData(c, Qt::Horizontal).toString(), RecordSheet::headerTexts()[c]);
    QCOMPARE(fx.grid()->model()->rowCount(), 99);

    const int creationWidths[] = {40, 75, 75, 75, 75, 60, 150, 150, 90, 150, 90};
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->columnWidth(c), creationWidths[c]);

    for (const char* hidden : {"helpPanel", "outputPanel", "branchPrintButton", "busyBanner", "outputProgress", "resolutionXLabel", "resolutionYLabel"})
        QVERIFY2(fx.child(hidden)->isHidden(), hidden);
    for (const char* shown : {"trunkPrintButton", "typeAPreviewButton", "typeBPreviewButton", "recordGrid"})
        QVERIFY2(!fx.child(shown)->isHidden(), shown);
    QVERIFY(fx.child<QRadioButton>("standardOrderChoice")->isChecked());
    QVERIFY(fx.child<QRadioButton>("trunkSizeChoice")->isChecked());
    QCOMPARE(fx.child<QProgressBar>("outputProgress")->minimum(), 0);
}

void MainWindowLayoutTest::resizeKeepsTheWidthAndStretchesTheSheet()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    QTRY_COMPARE(w.width(), 1076);
    const int afterResize[] = {39, 74, 74, 74, 74, 59, 149, 149, 89, 149, 95};
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->columnWidth(c), afterResize[c]);
    QCOMPARE(fx.grid()->geometry(), QRect(11, 45, 1054, 545));

    w.resize(1400, 800);
    QTRY_COMPARE(w.height(), 800);
    QCOMPARE(w.width(), 1076);
    QCOMPARE(fx.grid()->size(), QSize(1054, 745));
    QCOMPARE(fx.child("helpPanel")->size(), fx.grid()->size());
    QCOMPARE(fx.child("outputPanel")->size(), fx.grid()->size());
    // The busy banner and the bar stay at the bottom of the output panel.
    const QWidget* bar = fx.child("outputProgress");
    QVERIFY(bar->geometry().bottom() < 745 && bar->geometry().bottom() > 745 - 40);

    w.resize(900, 10); // lower than one row
    QTRY_VERIFY(w.height() < 800);
    QCOMPARE(w.width(), 1076);
    QVERIFY(fx.grid()->height() >= MainWindowRules::kMinSheetHeight);
    QCOMPARE(fx.grid()->height(), MainWindowRules::sheetHeight(w.height()));
}

void MainWindowLayoutTest::aWidthImposedByTheWindowSystemSnapsBack()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    QTRY_COMPARE(w.width(), MainWindowRules::clientWidth());
    // A tiling window manager sets the window's size without asking the
    // widget, past its size hints.
    for (const QSize imposed : {QSize(1400, 700), QSize(800, 650)}) {
        w.windowHandle()->resize(imposed);
        QTRY_COMPARE(w.height(), imposed.height());
        QTRY_COMPARE(w.width(), MainWindowRules::clientWidth());
        QTRY_COMPARE(w.windowHandle()->width(), MainWindowRules::clientWidth());
        QCOMPARE(fx.grid()->size(), QSize(MainWindowRules::sheetWidth(), MainWindowRules::sheetHeight(imposed.height())));
    }
}

void MainWindowLayoutTest::maximisingGrowsOnlyTheHeight()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    // A window system that maximises all the same fills the screen's height.
    w.showMaximized();
    QTRY_VERIFY(!w.isMaximized());
    const QRect available = w.screen()->availableGeometry();
    const QMargins frame = w.windowHandle()->frameMargins();
    QTRY_COMPARE(w.height(), available.height() - frame.top() - frame.bottom());
    QCOMPARE(w.width(), MainWindowRules::clientWidth());
    QCOMPARE(w.frameGeometry().top(), available.top());
    QCOMPARE(w.frameGeometry().bottom(), available.bottom());
    QCOMPARE(fx.grid()->size(), QSize(MainWindowRules::sheetWidth(), MainWindowRules::sheetHeight(w.height())));
}

void MainWindowLayoutTest::panelTogglesDisableTheOtherCommands_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("otherToggle");
    QTest::addColumn<QString>("caption");
    QTest::newRow("help") << u"helpButton"_qs << u"helpPanel"_qs << u"outputPanelButton"_qs << u"HELP"_qs;
    QTest::newRow("output") << u"outputPanelButton"_qs << u"outputPanel"_qs << u"helpButton"_qs << u"ｹｰﾌﾞﾙ名板   出力"_qs;
}

void MainWindowLayoutTest::panelTogglesDisableTheOtherCommands()
{
    QFETCH(QString, toggle);
    QFETCH(QString, panel);
    QFETCH(QString, otherToggle);
    QFETCH(QString, caption);
    WindowFixture fx;
    MainWindow& w = fx.show();
    auto* toggleButton = w.findChild<QPushButton*>(toggle);
    QWidget* panelWidget = w.findChild<QWidget*>(panel);
    const QList<QWidget*> disabledWhileShown{fx.child("openButton"), fx.child("saveButton"), w.findChild<QWidget*>(otherToggle)};

    QTest::mouseClick(toggleButton, Qt::LeftButton);
    QVERIFY(panelWidget->isVisible());
    QCOMPARE(toggleButton->text(), QStringLiteral("閉じる"));
    for (QWidget* button : disabledWhileShown)
        QVERIFY(!button->isEnabled());
    // The panel covers the sheet exactly.
    QCOMPARE(panelWidget->geometry(), fx.grid()->geometry());

    QTest::mouseClick(toggleButton, Qt::LeftButton);
    QVERIFY(!panelWidget->isVisible());
    QCOMPARE(toggleButton->text(), caption);
    for (QWidget* button : disabledWhileShown)
        QVERIFY(button->isEnabled());
}

void MainWindowLayoutTest::toggleWithAForeignCaptionDoesNothing()
{
    WindowFixture fx;
    MainWindow& w = fx.create();
    auto* help = fx.child<QPushButton>("helpButton");
    help->setText(QStringLiteral("ヘルプ"));
    w.toggleHelpPanel();
    QVERIFY(fx.child("helpPanel")->isHidden());
    QCOMPARE(help->text(), QStringLiteral("ヘルプ"));
    QVERIFY(fx.child("openButton")->isEnabled());

    // The outputs close the panel through the toggle and learn its state.
    QVERIFY(w.runOutputPanelToggle());
    QVERIFY(!w.runOutputPanelToggle());
    QVERIFY(fx.child("outputPanel")->isHidden());
}

void MainWindowLayoutTest::branchSizeSwapsThePrintButtons()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    w.toggleOutputPanel();
    QWidget* trunk = fx.child("trunkPrintButton");
    QWidget* branch = fx.child("branchPrintButton");
    QCOMPARE(trunk->geometry(), branch->geometry());

    QTest::mouseClick(fx.child("branchSizeChoice"), Qt::LeftButton, {}, QPoint(8, 16));
    QVERIFY(fx.child<QRadioButton>("branchSizeChoice")->isChecked());
    QVERIFY(trunk->isHidden());
    QVERIFY(branch->isVisible());

    QTest::mouseClick(fx.child("trunkSizeChoice"), Qt::LeftButton, {}, QPoint(8, 14));
    QVERIFY(trunk->isVisible());
    QVERIFY(branch->isHidden());
}

void MainWindowLayoutTest::clickingTheCompanyCaptionMovesFocusToOpen()
{
    WindowFixture fx;
    MainWindow& w = fx.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    fx.child("companyNameEdit")->setFocus();
    QTest::mouseClick(fx.child("companyCaption"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), fx.child("openButton"));
    QCOMPARE(textOf(fx.child("companyCaption")), QStringLiteral("会社名"));
    QVERIFY(fx.child<QLineEdit>("companyCaption")->isReadOnly());
}

void MainWindowLayoutTest::pictureSlotsAreFilled()
{
    WindowFixture fx;
    fx.create();
    for (const char* name : {"HelpPicture", "HelpIcon", "OutputIcon"}) {
        const QPixmap picture = fx.child<QLabel>(name)->pixmap();
        QVERIFY2(!picture.isNull(), name);
        QVERIFY2(picture.size() == fx.child(name)->size(), name);
        // Something was drawn: the picture is not one flat colour.
        const QImage image = picture.toImage();
        const QRgb corner = image.pixel(image.width() / 2, image.height() / 2);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3)
            for (int x = 0; x < image.width() && !varied; x += 3)
                varied = image.pixel(x, y) != corner;
        QVERIFY2(varied, name);
    }
}

// Each heading and text of the help picture lies inside the picture, clear of
// the others, and the picture inside the help panel as the window opens.
void MainWindowLayoutTest::theHelpPictureShowsEveryTextWhole()
{
    WindowFixture fx;
    fx.show();
    const QWidget* picture = fx.child("HelpPicture");
    QVERIFY(fx.child("helpPanel")->rect().contains(picture->geometry()));
    const std::vector<QRect> boxes = MainWindowPictures::helpTextBoxes(picture->size());
    QCOMPARE(boxes.size(), size_t(2 + 2 * 9)); // two column titles, nine steps of heading and text
    const QRect inside = picture->rect().adjusted(4, 4, -4, -4);
    for (size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY2(inside.contains(boxes[i]), qPrintable(u"box %1"_qs.arg(i)));
        for (size_t j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(u"boxes %1 and %2"_qs.arg(i).arg(j)));
    }
}

int runMainWindowLayoutTests(int argc, char** argv)
{
    MainWindowLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowLayoutTest.moc"
