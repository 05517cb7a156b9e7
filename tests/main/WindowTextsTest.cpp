// What the main window tells the user besides the list: its caption, the
// title of its message boxes and the keys its pop-up menu shows.
#include "WindowTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class WindowTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCaptionNamesTheListsFileAndMarksUnsavedChanges()
    {
        WindowFixture fx;
        MainWindow& w = fx.show();
        const QString program = u"ケーブル名板作成支援ソフトウェア  /  タグリオ   Ver1.05"_qs;
        QCOMPARE(w.windowTitle(), program + u" - 新しい一覧"_qs);

        const QString list = fx.path(u"list.kav"_qs);
        QVERIFY(QFile::copy(QStringLiteral(TAGRIO_SAMPLES "/sample.kav"), list));
        QVERIFY(w.openFile(list));
        QCOMPARE(w.windowTitle(), program + u" - list.kav"_qs);

        w.document().pasteText(2, u"9\t東棟\r\n"_qs);
        QCOMPARE(w.windowTitle(), program + u" - list.kav ●"_qs);

        // Saved under another name, the caption follows the file.
        fx.prompts.saveAnswer = fx.path(u"other.kav"_qs);
        QVERIFY(w.saveRecordFile());
        QCOMPARE(w.windowTitle(), program + u" - other.kav"_qs);
    }

    // A lock file's host line, a file or user name may look like HTML: every
    // box shows it as written, never a big red title and a picture off the disk.
    void messageBoxesAreTitledWithTheProgramsNameAndShowTextsAsWritten()
    {
        WindowFixture fx;
        MainWindow& w = fx.show();
        const MainWindowPrompts dialogs = MainWindowPrompts::dialogs(&w);
        const QString html = u"<h1><font color=red>pc</font></h1><img src=\"%1\" width=1200 height=1200>"_qs.arg(
            QStringLiteral(TAGRIO_SAMPLES "/../docs/main-window.png"));
        struct Met {
            QString title;
            QString text;
            Qt::TextFormat format;
            int height;
            QStringList buttons; // left to right, the default one first
        };
        std::vector<Met> met;
        const auto closeNextBox = [&] {
            QTimer::singleShot(0, this, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    QStringList buttons;
                    if (box->defaultButton())
                        buttons << box->defaultButton()->text();
                    for (const QAbstractButton* button : box->buttons())
                        buttons << button->text();
                    met.push_back({box->windowTitle(), box->text(), box->textFormat(), box->sizeHint().height(), buttons});
                    box->reject();
                }
            });
        };
        closeNextBox();
        dialogs.showError(html);
        closeNextBox();
        dialogs.showNotice(html);
        closeNextBox();
        dialogs.askYesNo(html);
        closeNextBox();
        dialogs.askUnsavedChanges();
        closeNextBox();
        // Closed without a choice, a locked list is not opened.
        QCOMPARE(dialogs.askLockedList(html), LockedListChoice::Cancel);
        QCOMPARE(met.size(), size_t(5));
        QCOMPARE(met[4].buttons, (QStringList{u"読み取り専用で開く"_qs, u"読み取り専用で開く"_qs, u"編集する"_qs,
                                              u"キャンセル"_qs}));
        for (size_t i = 0; i < met.size(); ++i) {
            QCOMPARE(met[i].title, u"タグリオ"_qs);
            QCOMPARE(met[i].format, Qt::PlainText);
            if (i != 3) {
                QVERIFY(met[i].text.startsWith(html));
                QVERIFY2(met[i].height < 300, qPrintable(QString::number(met[i].height)));
            }
        }
    }

    void thePopUpMenuShowsTheCopyAndPasteKeys()
    {
        WindowFixture fx;
        fx.show();
        const auto* menu = fx.child<QMenu>("sheetMenu");
        QVERIFY(menu);
        QStringList shown;
        for (const QAction* action : menu->actions()) {
            if (!action->shortcut().isEmpty() && action->isShortcutVisibleInContextMenu())
                shown << action->text() + u' ' + action->shortcut().toString(QKeySequence::PortableText);
        }
        QVERIFY2(shown.contains(u"コピー Ctrl+C"_qs), qPrintable(shown.join(u", ")));
        QVERIFY2(shown.contains(u"貼り付け Ctrl+V"_qs), qPrintable(shown.join(u", ")));
    }
};

int runWindowTextsTests(int argc, char** argv)
{
    WindowTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTextsTest.moc"
