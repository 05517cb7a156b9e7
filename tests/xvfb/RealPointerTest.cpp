// The main window driven by a real pointer under Xvfb: xdotool moves the X
// server's pointer and clicks, so every event takes the path the window
// system gives it (header viewport, modal dialogs, standard buttons).
#include "entry/EntryForm.h"
#include "main/JapaneseTranslation.h"
#include "main/RecordSheetModel.h"
#include "main/RecordSheetView.h"
#include "main/MainWindow.h"
#include "sheet/RecordFile.h"
#include "sheet/RecordSheet.h"
#include "spreadsheet/ui/ImportPreviewDialog.h"
#include "RealInput.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <type_traits>

class RealPointerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doubleClickOnTheHeaderRowOpensTheEntryForm();
    void closeQuestionSpeaksJapaneseAndHonoursItsButtons();
    void previewPagesByPointerAndWheel();
    void aTableIsCheckedBeforeItBecomesTheList();
    void savingOverAnExistingTableAsksAndNoKeepsIt();
    void aSecondProgramOpensTheLockedListReadOnlyAndItsSaveKeepsTheFile();
    void theHelpPanelShowsItsPictureWhole();
    void theOutputPanelShowsTheFitCheckChoice();

private:
    QTemporaryDir dir_;
    MainWindowStartup startup() const
    {
        return {QDate(2026, 12, 10), {}, dir_.filePath(QStringLiteral("tagrio")),
                dir_.filePath(QStringLiteral("kiroku.ggs"))};
    }
};

void RealPointerTest::doubleClickOnTheHeaderRowOpensTheEntryForm()
{
    MainWindow window(startup());
    EntryForm form2(window.document());
    window.setEntryForm(&form2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget* shown = nullptr;
    QString numberField;
    onNextModal(this, [&](QWidget* modal) {
        shown = modal;
        numberField = form2.findChild<QLabel*>(QStringLiteral("recordNumberLabel"))->text();
        form2.reject();
    });
    const QWidget* header = window.findChild<RecordSheetView*>(QStringLiteral("recordGrid"))->horizontalHeader()->viewport();
    clickAt(header->mapToGlobal(QPoint(12, header->height() / 2)), 2);
    QTRY_VERIFY_WITH_TIMEOUT(shown != nullptr, kStateTimeoutMs);
    QCOMPARE(shown, &form2);
    QCOMPARE(numberField, QStringLiteral("No."));
}

void RealPointerTest::closeQuestionSpeaksJapaneseAndHonoursItsButtons()
{
    MainWindow window(startup());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A paste with Ctrl+V into the sheet, clicked and typed as a user does.
    RecordSheetView* grid = window.findChild<RecordSheetView*>(QStringLiteral("recordGrid"));
    const QRect cell = grid->visualRect(grid->model()->index(RecordSheetModel::modelRow(1), 1));
    clickAt(grid->viewport()->mapToGlobal(cell.center()));
    QGuiApplication::clipboard()->setText(QStringLiteral("1\t東棟分電盤\r\n"));
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+v")});
    QTRY_COMPARE_WITH_TIMEOUT(window.document().sheet().row(1)[1], QStringLiteral("東棟分電盤"), kStateTimeoutMs);

    // The unsaved-changes question, answered with the pointer.
    const auto closeAnswering = [&](const QString& answer, QStringList& texts) {
        onNextModal(this, [&texts, answer](QWidget* modal) {
            for (const QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
                texts << plainText(button);
                if (plainText(button) == answer)
                    clickLaterAt(button->mapToGlobal(button->rect().center()));
            }
        });
        QTimer::singleShot(0, &window, [&window] { window.close(); });
        QTRY_VERIFY_WITH_TIMEOUT(!texts.isEmpty() && !QApplication::activeModalWidget(), kStateTimeoutMs);
        texts.sort();
    };
    QStringList texts;
    closeAnswering(QStringLiteral("キャンセル"), texts);
    QStringList japanese{QStringLiteral("保存"), QStringLiteral("変更を破棄"), QStringLiteral("キャンセル")};
    japanese.sort();
    QCOMPARE(texts, japanese);
    QVERIFY(window.isVisible()); // キャンセル keeps the window and its list
    QStringList secondTexts;
    closeAnswering(QStringLiteral("変更を破棄"), secondTexts);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kStateTimeoutMs);
}

// The preview of a long list, paged with its buttons and the wheel over the
// pages, then closed with its 閉じる button.
void RealPointerTest::previewPagesByPointerAndWheel()
{
    MainWindow window(startup());
    window.document().pasteText(1, QStringLiteral("1\t東棟\r\n").repeated(600));
    window.document().renumberRecords();
    QCOMPARE(window.document().sheet().recordCount, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.runOutputPanelToggle());

    QStringList seen;
    bool closed = false;
    onNextModal(this, [&](QWidget* modal) {
        auto* pageBox = modal->findChild<QSpinBox*>(QStringLiteral("pageBox"));
        auto* preview = modal->findChild<QAbstractScrollArea*>(QStringLiteral("preview"));
        QVERIFY(pageBox && preview);
        seen << modal->findChild<QLabel*>(QStringLiteral("pageCount"))->text();
        for (const int page : {2, 3}) {
            clickLaterAt(centreOf(modal->findChild<QPushButton*>(QStringLiteral("nextPage"))));
            QTRY_COMPARE_WITH_TIMEOUT(pageBox->value(), page, kStateTimeoutMs);
        }
        // Wheel down over the pages (button 5): the page box follows.
        const QPoint pages = centreOf(preview->viewport());
        QProcess::startDetached(QStringLiteral("xdotool"),
                                {QStringLiteral("mousemove"), QString::number(pages.x()), QString::number(pages.y()),
                                 QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("40"),
                                 QStringLiteral("--delay"), QStringLiteral("10"), QStringLiteral("5")});
        QTRY_VERIFY_WITH_TIMEOUT(pageBox->value() > 3, kStateTimeoutMs);
        seen << QStringLiteral("wheel");
        clickLaterAt(centreOf(modal->findChild<QPushButton*>(QStringLiteral("closeButton"))));
        closed = true;
    });
    const QWidget* previewButton = window.findChild<QWidget*>(QStringLiteral("typeAPreviewButton"));
    clickAt(centreOf(previewButton));
    QTRY_VERIFY_WITH_TIMEOUT(closed && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QCOMPARE(seen, (QStringList{QStringLiteral("/ 100 ページ"), QStringLiteral("wheel")}));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio-real-pointer-tests"));
    if (!installJapaneseTranslation(app)) {
        qCritical("Qt's Japanese translation (qtbase_ja) is missing");
        return 1;
    }
    RealPointerTest test;
    return QTest::qExec(&test, argc, argv);
}

// A table named on the command line goes through the import check: a column
// left out with the pointer and the keyboard arrives empty; キャンセル keeps the
// list as it was.
void RealPointerTest::aTableIsCheckedBeforeItBecomesTheList()
{
    const QString table = dir_.filePath(QStringLiteral("一覧.csv"));
    {
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("No.,(自)NAME-1,(至)NAME-1\r\n1,受電盤,変圧器盤\r\n2,電気室,屋上\r\n").toUtf8());
    }
    const auto openAnswering = [&](std::unique_ptr<MainWindow>& window, const QString& answer, bool leaveOutFrom1) {
        MainWindowStartup start = startup();
        start.arguments = {table};
        window = std::make_unique<MainWindow>(start);
        bool answered = false;
        onNextModal(this, [&](QWidget* modal) {
            auto* check = qobject_cast<ImportPreviewDialog*>(modal);
            QVERIFY(check);
            if (leaveOutFrom1) {
                // Table column B holds (自)NAME-1; its last choice is 取り込まない.
                QComboBox* choice = check->columnChoice(1);
                clickLaterAt(choice->mapToGlobal(choice->rect().center()));
                QTRY_VERIFY_WITH_TIMEOUT(choice->view()->isVisible(), kStateTimeoutMs);
                xdotool({QStringLiteral("key"), QStringLiteral("End"), QStringLiteral("Return")});
                QTRY_COMPARE_WITH_TIMEOUT(choice->currentText(), QStringLiteral("取り込まない"), kStateTimeoutMs);
            }
            for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
                if (plainText(button) == answer)
                    clickLaterAt(button->mapToGlobal(button->rect().center()));
            }
            answered = true;
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The window opens the file named on the command line once it is active.
        window->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(answered && !QApplication::activeModalWidget(), kStateTimeoutMs);
    };

    std::unique_ptr<MainWindow> declined;
    openAnswering(declined, QStringLiteral("キャンセル"), false);
    QCOMPARE(declined->document().sheet().cell(ColTo1, 1), QString());

    std::unique_ptr<MainWindow> taken;
    openAnswering(taken, QStringLiteral("OK"), true);
    QTRY_COMPARE_WITH_TIMEOUT(taken->document().sheet().cell(ColTo1, 2), QStringLiteral("屋上"), kStateTimeoutMs);
    QCOMPARE(taken->document().sheet().cell(ColFrom1, 1), QString());
    QCOMPARE(taken->fileName(), dir_.filePath(QStringLiteral("一覧.kav")));
}

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Clicks a message box's text, which gives the box the keyboard, then presses
// Enter: the default button answers.
void pressEnterIn(QMessageBox* box)
{
    const QWidget* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    clickAt(text->mapToGlobal(text->rect().center()));
    QTRY_VERIFY_WITH_TIMEOUT(box->isActiveWindow(), kStateTimeoutMs);
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
}

// Answers the save dialog with a path typed over the proposed name, or with
// the proposal itself when path is empty; `proposed` learns the proposal.
void typeIntoNextSaveDialog(QObject* context, const QString& path, QString* proposed = nullptr)
{
    onNextModal<QFileDialog>(context, [path, proposed](QFileDialog* dialog) {
        // Without a window manager a click gives the dialog the keyboard.
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameBox);
        if (proposed)
            *proposed = nameBox->text();
        clickAt(nameBox->mapToGlobal(nameBox->rect().center()));
        QTRY_VERIFY_WITH_TIMEOUT(nameBox->hasFocus(), kStateTimeoutMs);
        if (!path.isEmpty()) {
            xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
            xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), path});
        }
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    });
}

} // namespace

// 保存 by pointer over a workbook or CSV that is already there asks, with
// いいえ as the default answer, and Enter keeps the file. Saving a table copy
// leaves the list locked: a second window opening it is told.
void RealPointerTest::savingOverAnExistingTableAsksAndNoKeepsIt()
{
    const QString list = dir_.filePath(QStringLiteral("savesource.kav"));
    QVERIFY(QFile::copy(QStringLiteral(TAGRIO_SAMPLES "/sample.kav"), list));
    QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    MainWindowStartup start = startup();
    start.arguments = {list};
    MainWindow window(start);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(window.fileName(), list, kStateTimeoutMs);
    const QWidget* saveButton = window.controls().saveButton;
    const QPoint saveAt = saveButton->mapToGlobal(saveButton->rect().center());

    for (const QString& suffix : {QStringLiteral(".xlsx"), QStringLiteral(".csv")}) {
        const QString other = dir_.filePath(QStringLiteral("other") + suffix);
        const QByteArray before = "another program's table";
        {
            QFile file(other);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        QString question;
        QString defaultAnswer;
        typeIntoNextSaveDialog(this, other);
        onNextModal<QMessageBox>(this, [&](QMessageBox* box) {
            question = box->text();
            defaultAnswer = plainText(box->defaultButton());
            pressEnterIn(box);
        });
        clickAt(saveAt);
        QTRY_VERIFY_WITH_TIMEOUT(!question.isEmpty() && !QApplication::activeModalWidget(), kStateTimeoutMs);
        QCOMPARE(question, QDir::toNativeSeparators(other) + QStringLiteral(" は既にあります。上書きしますか？"));
        QCOMPARE(defaultAnswer, QStringLiteral("いいえ(N)"));
        QCOMPARE(bytesOf(other), before);
    }

    const QString copy = dir_.filePath(QStringLiteral("copy.csv"));
    typeIntoNextSaveDialog(this, copy);
    clickAt(saveAt);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copy) && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QCOMPARE(window.fileName(), list);

    QString notice;
    onNextModal<QMessageBox>(this, [&](QMessageBox* box) {
        notice = box->text();
        pressEnterIn(box);
    });
    MainWindow second(start);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    second.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!notice.isEmpty() && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QVERIFY2(notice.startsWith(QStringLiteral("このファイルは ")), qPrintable(notice));
}

// A second program opens a list the first holds: Enter takes the default,
// 読み取り専用で開く. Its 保存 proposes a copy; the locked file typed over the
// proposal is refused and keeps its bytes; the copy becomes its list.
void RealPointerTest::aSecondProgramOpensTheLockedListReadOnlyAndItsSaveKeepsTheFile()
{
    const QString list = dir_.filePath(QStringLiteral("locked.kav"));
    QVERIFY(QFile::copy(QStringLiteral(TAGRIO_SAMPLES "/sample.kav"), list));
    QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray lockedBytes = bytesOf(list);
    MainWindowStartup start = startup();
    start.arguments = {list};
    MainWindow first(start);
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    first.activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(first.fileName(), list, kStateTimeoutMs);

    QString warning;
    QStringList answers; // the default first, then left to right
    onNextModal<QMessageBox>(this, [&](QMessageBox* box) {
        warning = box->text();
        answers << plainText(box->defaultButton());
        for (const QAbstractButton* button : box->buttons())
            answers << plainText(button);
        pressEnterIn(box);
    });
    MainWindow second(start);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    second.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(second.isReadOnly() && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QCOMPARE(answers, (QStringList{QStringLiteral("読み取り専用で開く"), QStringLiteral("読み取り専用で開く"),
                                   QStringLiteral("編集する"), QStringLiteral("キャンセル")}));
    QVERIFY2(warning.startsWith(QStringLiteral("このファイルは ")) && warning.contains(QStringLiteral(" から）")),
             qPrintable(warning));
    QVERIFY(second.windowTitle().endsWith(QStringLiteral("（読み取り専用）")));
    QCOMPARE(second.fileName(), list);
    second.document().pasteText(1, QStringLiteral("1\t読み取り専用での変更\r\n"));

    const QWidget* saveButton = second.controls().saveButton;
    const QPoint saveAt = saveButton->mapToGlobal(saveButton->rect().center());
    QString proposed;
    QString refusal;
    typeIntoNextSaveDialog(this, list, &proposed);
    onNextModal<QMessageBox>(this, [&](QMessageBox* box) {
        refusal = box->text();
        pressEnterIn(box);
    });
    clickAt(saveAt);
    QTRY_VERIFY_WITH_TIMEOUT(!refusal.isEmpty() && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QCOMPARE(proposed, QStringLiteral("locked のコピー.kav"));
    QVERIFY2(refusal.contains(QStringLiteral("読み取り専用で開いています")), qPrintable(refusal));
    QCOMPARE(bytesOf(list), lockedBytes);
    QVERIFY(second.isReadOnly());

    const QString copy = dir_.filePath(QStringLiteral("locked のコピー.kav"));
    typeIntoNextSaveDialog(this, {});
    clickAt(saveAt);
    QTRY_VERIFY_WITH_TIMEOUT(!second.isReadOnly() && !QApplication::activeModalWidget(), kStateTimeoutMs);
    QCOMPARE(second.fileName(), copy);
    QString company;
    RecordSheet saved;
    RecordFile::load(copy, company, saved);
    QCOMPARE(saved.cell(ColFrom1, 1), QStringLiteral("読み取り専用での変更"));
    QVERIFY(!second.windowTitle().contains(QStringLiteral("読み取り専用")));
    QCOMPARE(bytesOf(list), lockedBytes);
}

// HELP by the pointer shows the help picture whole, as drawn. With
// TAGRIO_SCREENSHOTS set, the window is written there as help-panel.png.
void RealPointerTest::theHelpPanelShowsItsPictureWhole()
{
    MainWindow window(startup());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget* helpButton = window.controls().helpButton;
    clickAt(helpButton->mapToGlobal(helpButton->rect().center()));
    QTRY_VERIFY_WITH_TIMEOUT(window.controls().helpPanel->isVisible(), kStateTimeoutMs);

    const QLabel* picture = window.controls().helpPicture;
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.copy(QRect(picture->mapTo(&window, QPoint(0, 0)), picture->size())), drawn);
    if (const QString folder = qEnvironmentVariable("TAGRIO_SCREENSHOTS"); !folder.isEmpty())
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("help-panel.png"))));
}

// The output panel of a list, opened by the pointer: the fit check's choice
// stands beside its button, unobstructed, offering all plates first. With
// TAGRIO_SCREENSHOTS set, the window is written there as output-panel.png.
void RealPointerTest::theOutputPanelShowsTheFitCheckChoice()
{
    MainWindowStartup start = startup();
    start.arguments = {QStringLiteral(TAGRIO_SAMPLES "/sample.kav")};
    MainWindow window(start);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window.commandLineFileOpened(), kStateTimeoutMs);
    const QWidget* outputButton = window.controls().outputPanelButton;
    clickAt(outputButton->mapToGlobal(outputButton->rect().center()));
    QTRY_VERIFY_WITH_TIMEOUT(window.controls().outputPanel->isVisible(), kStateTimeoutMs);

    const auto* choice = window.findChild<QComboBox*>(QStringLiteral("FitCheckKindBox"));
    const auto* check = window.findChild<QPushButton*>(QStringLiteral("FitCheckButton"));
    QVERIFY(choice && check);
    QCOMPARE(choice->visibleRegion(), QRegion(choice->rect()));
    QCOMPARE(choice->currentText(), QStringLiteral("すべての名板"));
    QCOMPARE(choice->mapTo(&window, QPoint(0, 0)).y(), check->mapTo(&window, QPoint(0, 0)).y());
    if (const QString folder = qEnvironmentVariable("TAGRIO_SCREENSHOTS"); !folder.isEmpty())
        QVERIFY(window.grab().save(QDir(folder).filePath(QStringLiteral("output-panel.png"))));
}

#include "RealPointerTest.moc"
