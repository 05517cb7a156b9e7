#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The folder and file type the user last opened a list from with 開く, kept
// in the user's settings (~/.config/tagrio/dialogs.ini), so the next open
// dialog, in this run or a later one, starts where the user left it.
class OpenDialogMemory {
public:
    // The user's settings.
    OpenDialogMemory();
    // Another settings file, for tests.
    explicit OpenDialogMemory(const QString& iniFile);
    ~OpenDialogMemory();
    OpenDialogMemory(const OpenDialogMemory&) = delete;
    OpenDialogMemory& operator=(const OpenDialogMemory&) = delete;

    // The folder to start in: `listFolder` (the open list's) when there is
    // one, else the folder last opened from; empty for the dialog's own.
    QString startFolder(const QString& listFolder) const;
    // The type to start with: the one last chosen while the dialog still
    // offers it, else the first of `offered`.
    QString startFilter(const QStringList& offered) const;
    // Called once the user has chosen a file.
    void remember(const QString& chosenPath, const QString& filter);

private:
    std::unique_ptr<QSettings> settings_;
};
