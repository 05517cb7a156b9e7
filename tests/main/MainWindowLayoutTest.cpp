#include "WindowTestSupport.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The control's position and size within its parent; a width of -1 means the
// size follows the text.
struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
    const char16_t* text;
};

const Placement kPlacements[] = {
    {"Panel1", "Form1", {11, 3, 640, 40}, nullptr},
    {"Button3", "Panel1", {20, 6, 50, 25}, u"開く"},
    {"Button4", "Panel1", {72, 6, 50, 25}, u"保存"},
    {"Button14", "Panel1", {155, 6, 210, 25}, u"ｹｰﾌﾞﾙ名板   出力"},
    {"Button11", "Panel1", {558, 6, 55, 25}, u"HELP"},
    {"OpenSaveFrame", "Panel1", {15, 10, 105, 24}, nullptr},
    {"OutputToggleFrame", "Panel1", {150, 10, 211, 24}, nullptr},
    {"HelpToggleFrame", "Panel1", {552, 10, 57, 24}, nullptr},
    {"Panel2", "Form1", {655, 3, 410, 40}, nullptr},
    {"Edit1", "Panel2", {16, 6, 113, 27}, u"会社名"},
    {"Edit2", "Panel2", {129, 6, 240, 27}, u"〇〇〇〇株式会社"},
    {"StringGrid1", "Form1", {11, 45, 1054, 480}, nullptr},
    {"Panel6", "Form1", {11, 45, 1054, 480}, nullptr},
    {"HelpPicture", "Panel6", {223, 25, 731, 431}, nullptr},
    {"HelpTitle", "Panel6", {45, 169, -1, -1}, u"HELP画面"},
    {"HelpIcon", "Panel6", {79, 234, 49, 49}, nullptr},
    {"Panel8", "Form1", {11, 45, 1054, 480}, nullptr},
    {"TemplateGroup", "Panel8", {15, 18, 508, 46}, nullptr},
    {"Button2", "TemplateGroup", {31, 8, 194, 25}, u"入力用帳票 ( Excel ) を新規作成"},
    {"Button2Frame", "TemplateGroup", {26, 12, 195, 24}, nullptr},
    {"TypeAGroup", "Panel8", {15, 70, 509, 199}, nullptr},
    {"Button1", "TypeAGroup", {31, 8, 194, 25}, u"名板タイプ 【 A 】 ( Excel ) 出力"},
    {"RadioButton3", "TypeAGroup", {256, 6, 41, 22}, u"標準"},
    {"RadioButton4", "TypeAGroup", {256, 23, 73, 22}, u"(自)→(至)"},
    {"RadioButton5", "TypeAGroup", {256, 40, 73, 22}, u"(至)→(自)"},
    {"Button16", "TypeAGroup", {340, 8, 130, 25}, u"印刷"},
    {"Button16Frame", "TypeAGroup", {335, 12, 130, 24}, nullptr},
    {"PreviewButtonA", "TypeAGroup", {340, 36, 130, 22}, u"プレビュー"},
    {"Label4", "TypeAGroup", {43, 42, -1, -1}, u"サイズ　【 約 :  W150mm  x  H40mm  】 "},
    {"SamplePictureA", "TypeAGroup", {31, 63, 445, 123}, nullptr},
    {"TypeBGroup", "Panel8", {14, 275, 509, 170}, nullptr},
    {"Button15", "TypeBGroup", {31, 8, 194, 25}, u"名板タイプ 【 B 】 ( Excel ) 出力"},
    {"RadioButton1", "TypeBGroup", {241, 61, 241, 28}, u"幹線用サイズ　【 約 :  W50mm  x  H33mm  】"},
    {"RadioButton2", "TypeBGroup", {241, 100, 241, 33}, u"分岐用サイズ　【 約 :  W42mm  x  H21mm  】"},
    {"Button17", "TypeBGroup", {341, 8, 130, 25}, u"印刷"},
    {"Button17Frame", "TypeBGroup", {336, 12, 130, 24}, nullptr},
    {"Button18", "TypeBGroup", {341, 8, 130, 25}, u"印刷"},
    {"PreviewButtonB", "TypeBGroup", {341, 34, 130, 22}, u"プレビュー"},
    {"Label5", "TypeBGroup", {257, 80, -1, -1}, u"未来工業:KFC-3350H"},
    {"Label6", "TypeBGroup", {257, 125, -1, -1}, u"篠原電機㈱:FN-K-25"},
    {"Label7", "TypeBGroup", {257, 139, -1, -1}, u"A-ONE:31031 (サインラベルシール)"},
    {"SamplePictureB", "TypeBGroup", {35, 46, 171, 108}, nullptr},
    {"OutputIcon", "Panel8", {754, 158, 49, 49}, nullptr},
    {"Panel14", "Panel8", {-1, -1, -1, -1}, u"********  エクセル作成中 ********"},
    {"Button5", "Form1", {-1, -1, -1, -1}, u"読込"},
    {"Button6", "Form1", {-1, -1, -1, -1}, u"行削除"},
    {"Button7", "Form1", {-1, -1, -1, -1}, u"貼付"},
    {"Button8", "Form1", {-1, -1, -1, -1}, u"コピー"},
    {"Button9", "Form1", {-1, -1, -1, -1}, u"貼付後のデーター数を再確認"},
    {"Button10", "Form1", {-1, -1, -1, -1}, u"ソート"},
    {"Button12", "Form1", {-1, -1, -1, -1}, u"設定保存"},
    {"Button13", "Form1", {-1, -1, -1, -1}, u"設定読込"},
};

struct Colour {
    const char* name;
    QColor colour;
};

const Colour kBackgrounds[] = {
    {"Form1", {207, 205, 173}},       {"Panel1", {255, 251, 240}},       {"Panel2", {255, 251, 240}},
    {"Panel6", {0, 64, 64}},          {"Panel8", {192, 220, 192}},       {"OpenSaveFrame", {0, 0, 128}},
    {"OutputToggleFrame", {0, 128, 0}}, {"HelpToggleFrame", {0, 128, 128}}, {"Button2Frame", {0, 128, 0}},
    {"Button16Frame", {128, 128, 0}}, {"Button17Frame", {128, 128, 0}},
};

QString textOf(const QWidget* widget) { return widget->property("text").toString(); }

} // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlSitsWhereTheLayoutPutsIt();
    void coloursFontsAndCursors();
    void stateAfterCreation();
    void resizeKeepsTheWidthAndStretchesTheSheet();
    void panelTogglesDisableTheOtherCommands_data();
    void panelTogglesDisableTheOtherCommands();
    void toggleWithAForeignCaptionDoesNothing();
    void branchSizeSwapsThePrintButtons();
    void clickingTheCompanyCaptionMovesFocusToOpen();
    void pictureSlotsAreFilled();
};

void MainWindowLayoutTest::everyControlSitsWhereTheLayoutPutsIt()
{
    WindowFixture fx;
    fx.create(); // before the first resize, as created
    for (const Placement& p : kPlacements) {
        const QWidget* widget = fx.child(p.name);
        QVERIFY2(widget, p.name);
        const QString parentName = widget->parentWidget()->objectName();
        QVERIFY2(parentName == QLatin1String(p.parent), p.name);
        if (p.geometry.x() >= 0)
            QVERIFY2(widget->pos() == p.geometry.topLeft(), p.name);
        if (p.geometry.width() >= 0)
            QVERIFY2(widget->size() == p.geometry.size(), p.name);
        if (p.text)
            QCOMPARE(textOf(widget), QString::fromUtf16(p.text));
    }
}

void MainWindowLayoutTest::coloursFontsAndCursors()
{
    WindowFixture fx;
    TForm1& w = fx.create();
    QCOMPARE(w.windowTitle(), QStringLiteral("ケーブル名板作成支援ソフトウェア  /  タグリオ   Ver1.05"));
    for (const Colour& c : kBackgrounds) {
        const QWidget* widget = fx.child(c.name);
        QVERIFY2(widget->autoFillBackground(), c.name);
        QVERIFY2(widget->palette().color(QPalette::Window) == c.colour, c.name);
    }

    QCOMPARE(w.font().pixelSize(), 11);
    QCOMPARE(w.font().families().value(0), QStringLiteral("Tahoma"));
    QVERIFY(w.font().families().size() > 1); // a free face stands in where Tahoma is missing
    QCOMPARE(fx.grid()->font().pixelSize(), 11);
    QCOMPARE(fx.child("Edit1")->font().pixelSize(), 16);
    QCOMPARE(fx.child("Edit2")->font().pixelSize(), 16);
    QCOMPARE(fx.child("HelpTitle")->font().pixelSize(), 27);
    QCOMPARE(fx.child("HelpTitle")->palette().color(QPalette::WindowText), QColor(255, 251, 240));
    QCOMPARE(fx.child("Label5")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(fx.child<QLineEdit>("Edit1")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    for (const char* name : {"Form1", "Button3", "Button14", "Button16", "StringGrid1", "RadioButton1"})
        QVERIFY2(fx.child(name)->cursor().shape() == Qt::PointingHandCursor, name);
    QCOMPARE(fx.child("Panel8")->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowLayoutTest::stateAfterCreation()
{
    WindowFixture fx;
    TForm1& w = fx.create();
    QCOMPARE(w.size(), QSize(1082, 600));
    QCOMPARE(w.document().sheet().recordCount, 0);
    QCOMPARE(w.document().sheet().rowCount(), 100);
    QCOMPARE(w.document().companyName(), QStringLiteral("〇〇〇〇株式会社"));
    QCOMPARE(w.document().settings().lines, Settings::defaults().lines);
    QCOMPARE(w.today().hizuke1, QStringLiteral("令和5年4月1日"));
    QCOMPARE(w.kidou2(), 0);
    QVERIFY(w.FileName().isEmpty());

    // The header row is the grid's fixed row, showing the sheet's row 0.
    QHeaderView* header = fx.grid()->horizontalHeader();
    QVERIFY(!header->isHidden());
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->model()->headerData(c, Qt::Horizontal).toString(), RecordSheet::headerTexts()[c]);
    QCOMPARE(fx.grid()->model()->rowCount(), 99);

    const int creationWidths[] = {40, 75, 75, 75, 75, 60, 150, 150, 90, 150, 90};
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->columnWidth(c), creationWidths[c]);

    for (const char* hidden : {"Panel6", "Panel8", "Button18", "Panel14", "ProgressBar1", "Button5", "Button13"})
        QVERIFY2(fx.child(hidden)->isHidden(), hidden);
    for (const char* shown : {"Button17", "PreviewButtonA", "PreviewButtonB", "StringGrid1"})
        QVERIFY2(!fx.child(shown)->isHidden(), shown);
    QVERIFY(fx.child<QRadioButton>("RadioButton3")->isChecked());
    QVERIFY(fx.child<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(fx.child<QProgressBar>("ProgressBar1")->minimum(), 0);
}

void MainWindowLayoutTest::resizeKeepsTheWidthAndStretchesTheSheet()
{
    WindowFixture fx;
    TForm1& w = fx.show();
    QTRY_COMPARE(w.width(), 1076);
    const int afterResize[] = {39, 74, 74, 74, 74, 59, 149, 149, 89, 149, 95};
    for (int c = 0; c < kColumnCount; ++c)
        QCOMPARE(fx.grid()->columnWidth(c), afterResize[c]);
    QCOMPARE(fx.grid()->geometry(), QRect(11, 45, 1054, 545));

    w.resize(1400, 800);
    QTRY_COMPARE(w.height(), 800);
    QCOMPARE(w.width(), 1076);
    QCOMPARE(fx.grid()->size(), QSize(1054, 745));
    QCOMPARE(fx.child("Panel6")->size(), fx.grid()->size());
    QCOMPARE(fx.child("Panel8")->size(), fx.grid()->size());
    // The busy banner and the bar stay at the bottom of the output panel.
    const QWidget* bar = fx.child("ProgressBar1");
    QVERIFY(bar->geometry().bottom() < 745 && bar->geometry().bottom() > 745 - 40);

    w.resize(900, 10); // lower than one row
    QTRY_VERIFY(w.height() < 800);
    QCOMPARE(w.width(), 1076);
    QVERIFY(fx.grid()->height() >= MainWindowRules::kMinSheetHeight);
    QCOMPARE(fx.grid()->height(), MainWindowRules::sheetHeight(w.height()));
}

void MainWindowLayoutTest::panelTogglesDisableTheOtherCommands_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("otherToggle");
    QTest::addColumn<QString>("caption");
    QTest::newRow("help") << u"Button11"_qs << u"Panel6"_qs << u"Button14"_qs << u"HELP"_qs;
    QTest::newRow("output") << u"Button14"_qs << u"Panel8"_qs << u"Button11"_qs << u"ｹｰﾌﾞﾙ名板   出力"_qs;
}

void MainWindowLayoutTest::panelTogglesDisableTheOtherCommands()
{
    QFETCH(QString, toggle);
    QFETCH(QString, panel);
    QFETCH(QString, otherToggle);
    QFETCH(QString, caption);
    WindowFixture fx;
    TForm1& w = fx.show();
    auto* toggleButton = w.findChild<QPushButton*>(toggle);
    QWidget* panelWidget = w.findChild<QWidget*>(panel);
    const QList<QWidget*> disabledWhileShown{fx.child("Button3"), fx.child("Button4"), w.findChild<QWidget*>(otherToggle)};

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
    TForm1& w = fx.create();
    auto* help = fx.child<QPushButton>("Button11");
    help->setText(QStringLiteral("ヘルプ"));
    w.Button11Click();
    QVERIFY(fx.child("Panel6")->isHidden());
    QCOMPARE(help->text(), QStringLiteral("ヘルプ"));
    QVERIFY(fx.child("Button3")->isEnabled());

    // The outputs close the panel through the toggle and learn its state.
    QVERIFY(w.runOutputPanelToggle());
    QVERIFY(!w.runOutputPanelToggle());
    QVERIFY(fx.child("Panel8")->isHidden());
}

void MainWindowLayoutTest::branchSizeSwapsThePrintButtons()
{
    WindowFixture fx;
    TForm1& w = fx.show();
    w.Button14Click();
    QWidget* trunk = fx.child("Button17");
    QWidget* branch = fx.child("Button18");
    QCOMPARE(trunk->geometry(), branch->geometry());

    QTest::mouseClick(fx.child("RadioButton2"), Qt::LeftButton, {}, QPoint(8, 16));
    QVERIFY(fx.child<QRadioButton>("RadioButton2")->isChecked());
    QVERIFY(trunk->isHidden());
    QVERIFY(branch->isVisible());

    QTest::mouseClick(fx.child("RadioButton1"), Qt::LeftButton, {}, QPoint(8, 14));
    QVERIFY(trunk->isVisible());
    QVERIFY(branch->isHidden());
}

void MainWindowLayoutTest::clickingTheCompanyCaptionMovesFocusToOpen()
{
    WindowFixture fx;
    TForm1& w = fx.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    fx.child("Edit2")->setFocus();
    QTest::mouseClick(fx.child("Edit1"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), fx.child("Button3"));
    QCOMPARE(textOf(fx.child("Edit1")), QStringLiteral("会社名"));
    QVERIFY(fx.child<QLineEdit>("Edit1")->isReadOnly());
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

int runMainWindowLayoutTests(int argc, char** argv)
{
    MainWindowLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowLayoutTest.moc"
