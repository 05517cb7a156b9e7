#pragma once

#include "main/MainWindowRules.h"
#include "main/RecordSheetModel.h"
#include "main/RecordSheetView.h"
#include "main/MainWindow.h"
#include "../DocumentEdits.h"

#include <QApplication>
#include <QDir>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Answers and records every prompt the main window puts up, so tests never
// block on a dialog.
struct PromptRecorder {
    QStringList errors;
    QStringList notices;
    QStringList questions;
    bool answerYes = false;
    int unsavedAsked = 0;
    UnsavedChoice unsavedAnswer = UnsavedChoice::Discard;
    QString openAnswer;
    QString saveAnswer;
    QStringList openFolders;
    QStringList saveStarts;
    // Tables shown before an import; each is taken under its detected layout
    // unless declineImport.
    int importsShown = 0;
    bool declineImport = false;
    // Lock warnings of a list another program holds, answered with lockedAnswer.
    QStringList lockWarnings;
    LockedListChoice lockedAnswer = LockedListChoice::ReadOnly;

    MainWindowPrompts prompts()
    {
        MainWindowPrompts p;
        p.showError = [this](const QString& message) { errors << message; };
        p.showNotice = [this](const QString& message) { notices << message; };
        p.askYesNo = [this](const QString& question) {
            questions << question;
            return answerYes;
        };
        p.askUnsavedChanges = [this] {
            ++unsavedAsked;
            return unsavedAnswer;
        };
        p.chooseOpenPath = [this](const QString& folder) {
            openFolders << folder;
            return openAnswer;
        };
        p.chooseSavePath = [this](const QString& start) {
            saveStarts << start;
            return saveAnswer;
        };
        p.confirmImport = [this](const ImportedTable& table, const std::optional<CsvTable::TextFormat>&)
            -> std::optional<TableLayout> {
            ++importsShown;
            if (declineImport)
                return std::nullopt;
            return table.layout.value_or(TableRows::detectLayout(table.rows));
        };
        p.askLockedList = [this](const QString& warning) {
            lockWarnings << warning;
            return lockedAnswer;
        };
        return p;
    }
};

// A main window over a private folder: its settings file lives there and
// today is fixed.
struct WindowFixture {
    QTemporaryDir dir;
    PromptRecorder prompts;
    std::unique_ptr<MainWindow> window;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString settingsPath() const { return path(QStringLiteral("kiroku.ggs")); }

    MainWindowStartup startup(const QStringList& arguments = {}) const
    {
        return {QDate(2023, 4, 1), arguments, path(QStringLiteral("tagrio")), settingsPath()};
    }

    MainWindow& create(const QStringList& arguments = {})
    {
        window = std::make_unique<MainWindow>(startup(arguments));
        window->setPrompts(prompts.prompts());
        return *window;
    }

    MainWindow& show(const QStringList& arguments = {})
    {
        create(arguments);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("main window not exposed");
        return *window;
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        if (window->objectName() == QLatin1String(name))
            return qobject_cast<T*>(window.get());
        return window->findChild<T*>(QLatin1String(name));
    }

    RecordSheetView* grid() const { return child<RecordSheetView>("recordGrid"); }
    QWidget* viewport() const { return grid()->viewport(); }

    // The centre of a cell of the sheet, in the grid viewport's pixels.
    QPoint cellCentre(int column, int sheetRow) const
    {
        const QModelIndex index = grid()->model()->index(RecordSheetModel::modelRow(sheetRow), column);
        grid()->scrollTo(index);
        return grid()->visualRect(index).center();
    }

    void pressCell(int column, int sheetRow, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mousePress(viewport(), button, modifiers, cellCentre(column, sheetRow));
    }
    void releaseCell(int column, int sheetRow, Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseRelease(viewport(), button, modifiers, cellCentre(column, sheetRow));
    }
    void clickCell(int column, int sheetRow, Qt::KeyboardModifiers modifiers = {}) const
    {
        pressCell(column, sheetRow, Qt::LeftButton, modifiers);
        releaseCell(column, sheetRow, Qt::LeftButton, modifiers);
    }

    // Numbers the first `count` record rows and gives each a text in column 1.
    void fillRecords(int count) const
    {
        editSheet([count](RecordSheet& sheet) {
            for (int r = 1; r <= count; ++r) {
                sheet.setCell(ColNumber, r, QString::number(r));
                sheet.setCell(ColFrom1, r, QStringLiteral("盤%1").arg(r));
            }
            sheet.recordCount = count;
        });
    }

    // Sets the sheet up for a test as another part of the program would edit it.
    template <typename Edit>
    void editSheet(Edit&& edit) const
    {
        editList(window->document(), std::forward<Edit>(edit));
    }

    // A record edit that leaves the list unsaved.
    void makeUnsavedEdit() const
    {
        editSheet([](RecordSheet& sheet) { sheet.setCell(ColPurpose, 1, sheet.cell(ColPurpose, 1) + u'*'); });
    }
};

// Each test file's class is run from one main.
int runMainWindowLayoutTests(int argc, char** argv);
int runRecordSheetTests(int argc, char** argv);
int runMainWindowFileTests(int argc, char** argv);
int runMainWindowTableTests(int argc, char** argv);
int runUndoWindowTests(int argc, char** argv);
int runRecoveryWriterTests(int argc, char** argv);
int runLabelStockWindowTests(int argc, char** argv);
int runWindowTextsTests(int argc, char** argv);
