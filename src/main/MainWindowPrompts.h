#pragma once

#include "spreadsheet/DocumentFiles.h"

#include <QString>
#include <functional>

class QWidget;

// What to do with record changes that were never saved, asked at close.
enum class UnsavedChoice { Save, Discard, Cancel };

// How to open a list that another program is editing.
enum class LockedListChoice { ReadOnly, Edit, Cancel };

// Every question, message and file choice the main window puts to the user.
// The window uses dialogs; tests put answers in their place.
struct MainWindowPrompts {
    std::function<void(const QString& message)> showError;
    // Something the user should know although the command succeeded.
    std::function<void(const QString& message)> showNotice;
    // A warning with Yes and No; true for Yes.
    std::function<bool(const QString& question)> askYesNo;
    std::function<UnsavedChoice()> askUnsavedChanges;
    // The chosen path, or empty when the user cancelled. The dialog starts in
    // the open list's folder (empty for a new list), else where the user last
    // opened a file.
    std::function<QString(const QString& listFolder)> chooseOpenPath;
    // startPath is a folder, or the file whose name the dialog proposes.
    std::function<QString(const QString& startPath)> chooseSavePath;
    // A table file about to become the list: its records as they will be
    // taken, and the choice of its columns.
    DocumentFiles::TableConfirmation confirmImport;
    // A list about to be opened is locked by another program: the warning
    // names who and since when.
    std::function<LockedListChoice(const QString& warning)> askLockedList;

    static MainWindowPrompts dialogs(QWidget* parent);
};
