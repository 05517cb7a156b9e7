// The window's output panel and tagrio-cli's options fill the same options
// value: for the same choices both make the same plates, drawn alike, or are
// refused with the same message. Also: the label stock picture follows the
// type B size chosen and the output printed.
#include "WindowTestSupport.h"
#include "../print/RecordingSurface.h"
#include "main/cli/CliOutputOptions.h"
#include "print/ui/LabelStockPanel.h"
#include "print/ui/PrintCommands.h"
#include "sheet/RecordFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

void clickCentre(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

// One set of choices, made in the window and given to tagrio-cli.
struct OptionSet {
    const char* name;
    const char* orderButton;   // the type A text order in the window
    const char* recordsButton; // AllRecordsButton, SelectedRecordsButton or ListedRecordsButton
    QString list;              // the 番号指定 box
    int start;
    int copies;
    QStringList cliOptions;    // the same choices on tagrio-cli's command line
};

// What a page draws, as comparable text: every text with its place and size, every line.
QStringList drawing(const PageSource& pages, int page)
{
    RecordingSurface surface;
    pages.drawPage(surface, page);
    QStringList drawn;
    for (const SurfaceText& text : surface.texts())
        drawn << u"%1 @%2,%3 %4pt"_qs.arg(text.text).arg(text.device.x()).arg(text.device.y()).arg(text.points);
    for (const SurfaceLine& line : surface.lines())
        drawn << u"line %1,%2 %3,%4 %5"_qs.arg(line.deviceFrom.x())
                     .arg(line.deviceFrom.y())
                     .arg(line.deviceTo.x())
                     .arg(line.deviceTo.y())
                     .arg(line.penDots);
    return drawn;
}

// The plates one way made, as comparable text; a refusal as its message.
QStringList platesOf(const std::variant<std::unique_ptr<PlatePrint>, ChoiceProblem>& made)
{
    if (const ChoiceProblem* problem = std::get_if<ChoiceProblem>(&made))
        return {u"refused: "_qs + problem->message};
    const PlatePrint& plates = *std::get<std::unique_ptr<PlatePrint>>(made);
    QStringList described;
    QStringList rows;
    for (int row : plates.rows())
        rows << QString::number(row);
    described << u"start %1, copies %2, rows %3"_qs.arg(plates.selection().startPosition)
                     .arg(plates.selection().copies)
                     .arg(rows.join(u','));
    for (int page = 1; page <= plates.pages().pageCount(); ++page)
        described << drawing(plates.pages(), page);
    return described;
}

} // namespace

class OutputOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void panelAndCommandLineMakeTheSamePlates()
    {
        const std::vector<OptionSet> sets = {
            {"defaults", "standardOrderChoice", "AllRecordsButton", {}, 1, 1, {}},
            {"listed from a start, copies", "fromToOrderChoice", "ListedRecordsButton", u"3-4,9"_qs, 2, 2,
             {u"--order"_qs, u"from-to"_qs, u"--records"_qs, u"3-4,9"_qs, u"--start"_qs, u"2"_qs, u"--copies"_qs,
              u"2"_qs}},
            // The rows selected in the sheet are the records a list names on the command line.
            {"selected rows", "toFromOrderChoice", "SelectedRecordsButton", {}, 5, 3,
             {u"--order"_qs, u"to-from"_qs, u"--records"_qs, u"5-6"_qs, u"--start"_qs, u"5"_qs, u"--copies"_qs,
              u"3"_qs}},
            // Past type A's six plates and trunk's 24: only branch stock takes it.
            {"start only on branch stock", "standardOrderChoice", "AllRecordsButton", {}, 30, 1,
             {u"--start"_qs, u"30"_qs}},
            {"unreadable list", "standardOrderChoice", "ListedRecordsButton", u"3-x"_qs, 1, 1,
             {u"--records"_qs, u"3-x"_qs}},
            {"list naming no record", "standardOrderChoice", "ListedRecordsButton", u"40-50"_qs, 1, 1,
             {u"--records"_qs, u"40-50"_qs}},
        };
        for (const OptionSet& set : sets) {
            WindowFixture fx;
            Settings captions = Settings::defaults();
            captions.lines[0] = u"東工業"_qs;
            captions.lines[2] = u"行先"_qs;
            SettingsFile::save(fx.settingsPath(), captions);
            fx.show();
            fx.fillRecords(40);
            fx.editSheet([](RecordSheet& sheet) {
                sheet.setCell(ColTo1, 4, u"西棟第二電気室"_qs);
                sheet.setCell(ColCableType, 5, u"CV 3C-60sq"_qs);
            });
            fx.clickCell(1, 5);
            fx.clickCell(1, 6, Qt::ShiftModifier);

            clickCentre(fx.child<QPushButton>("outputPanelButton"));
            auto* panel = fx.child<LabelStockPanel>("LabelStockGroup");
            QVERIFY(panel && panel->isVisible());
            clickCentre(fx.child<QRadioButton>(set.orderButton));
            clickCentre(fx.child<QRadioButton>(set.recordsButton));
            panel->listBox->setText(set.list);
            panel->startBox->setValue(set.start);
            panel->copiesBox->setValue(set.copies);
            QCOMPARE(panel->startBox->value(), set.start);
            const OutputOptions fromPanel = fx.window->findChild<PrintCommands*>()->options();

            const QString recordFile = fx.path(u"list.kav"_qs);
            RecordFile::save(recordFile, fx.window->document().companyName(), fx.window->document().sheet());
            for (const char* kind : {"a", "b-trunk", "b-branch"}) {
                const CliCommandLine line = CliCommandLine::parse(
                    QStringList{u"tagrio-cli"_qs, u"pdf"_qs, QString::fromLatin1(kind), recordFile, u"-o"_qs,
                                fx.path(u"out.pdf"_qs), u"--settings"_qs, fx.settingsPath()}
                    + set.cliOptions);
                const auto document = line.document(recordFile);
                const OutputOptions fromCommandLine = outputOptionsOf(line, *document);
                const PlateKind plateKind = plateKindOf(line.outputKind(0, {OutputKind::TypeA, OutputKind::TypeBTrunk,
                                                                            OutputKind::TypeBBranch}));

                const QStringList windowPlates = platesOf(platesFor(fromPanel, fx.window->document().sheet(), plateKind));
                const QStringList cliPlates = platesOf(platesFor(fromCommandLine, document->sheet(), plateKind));
                const QByteArray where = QByteArray(set.name) + " / " + kind;
                QVERIFY2(windowPlates.size() > 1 || windowPlates.value(0).startsWith(u"refused"_qs), where);
                QVERIFY2(windowPlates == cliPlates,
                         where + "\nwindow: " + windowPlates.mid(0, 3).join(u" | "_qs).toUtf8()
                             + "\ncli: " + cliPlates.mid(0, 3).join(u" | "_qs).toUtf8());
            }
        }
    }

    void stockPictureFollowsTheSizeAndTheOutputPrinted()
    {
        WindowFixture fx;
        fx.show();
        fx.fillRecords(3);
        auto* commands = fx.window->findChild<PrintCommands*>();
        int dialogs = 0;
        commands->setJobHooks({[&dialogs](QPrinter&) {
                                   ++dialogs;
                                   return false; // cancelled: only the picture matters here
                               },
                               {}, {}, {}});
        commands->confirmOverlong = [](const QString&) { return true; };
        clickCentre(fx.child<QPushButton>("outputPanelButton"));
        auto* panel = fx.child<LabelStockPanel>("LabelStockGroup");

        struct Step {
            const char* control;
            PlateKind shown;
        };
        const Step steps[] = {
            {"branchSizeChoice", PlateKind::TypeBBranch},
            {"typeAPrintButton", PlateKind::TypeA},
            {"branchPrintButton", PlateKind::TypeBBranch},
            {"trunkSizeChoice", PlateKind::TypeBTrunk},
            {"typeAPrintButton", PlateKind::TypeA},
            {"trunkPrintButton", PlateKind::TypeBTrunk},
        };
        int prints = 0;
        for (const Step& step : steps) {
            clickCentre(fx.child<QWidget>(step.control));
            QCOMPARE(panel->plateKind(), step.shown);
            if (QByteArray(step.control).startsWith("Button"))
                QCOMPARE(dialogs, ++prints);
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio-output-options-tests"));
    OutputOptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OutputOptionsTest.moc"
