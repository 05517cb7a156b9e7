// The main window's file commands: 開く, 保存, 読込, a dropped file and the
// settings file.
#include "MainWindow.h"

#include "ReadOnlyList.h"
#include "RecordSheetView.h"
#include "entry/EntryForm.h"
#include "sheet/Failure.h"
#include "sheet/FileWrite.h"
#include "sheet/RecordFile.h"
#include "spreadsheet/DocumentFiles.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

QString MainWindow::dialogFolder() const
{
    return fileName().isEmpty() ? QString() : QFileInfo(fileName()).absolutePath();
}

bool MainWindow::reopenFile() { return openFile(fileName()); }

bool MainWindow::mayReplaceList()
{
    if (!document_.isModified() || !prompts_.askUnsavedChanges)
        return true;
    const UnsavedChoice choice = prompts_.askUnsavedChanges();
    return choice == UnsavedChoice::Discard || (choice == UnsavedChoice::Save && saveRecordFile());
}

void MainWindow::openRecordFile()
{
    if (!mayReplaceList())
        return;
    const QString chosen = prompts_.chooseOpenPath ? prompts_.chooseOpenPath(dialogFolder()) : QString();
    if (!chosen.isEmpty())
        openFile(chosen);
}

bool MainWindow::saveRecordFile()
{
    // The current file's name is proposed: with no overwrite question, a
    // retyped name with a typo would silently replace another list. A list
    // opened read-only proposes a copy beside the file another program holds.
    const QString start = isReadOnly()       ? ReadOnlyList::proposedSavePath(readOnlyFile_)
                          : fileName().isEmpty() ? QString()
                                                 : QFileInfo(RecordFile::targetPath(fileName())).absoluteFilePath();
    const QString chosen = prompts_.chooseSavePath ? prompts_.chooseSavePath(start) : QString();
    if (chosen.isEmpty())
        return false;
    // A table is an export: the list keeps its own file, lock and stamp.
    const bool exported = DocumentFiles::isTablePath(chosen);
    const QString target = exported ? chosen : RecordFile::targetPath(chosen);
    if (isReadOnly() && ReadOnlyList::writesLockedFile(target, readOnlyFile_)) {
        showFailure(ReadOnlyList::refusal(target));
        return false;
    }
    try {
        // A file that cannot be written is told before any question about it.
        FileWrite::refuseUnwritable(target, exported ? FileWrite::Contents::Output : FileWrite::Contents::RecordFile);
        if (!mayWriteOver(target))
            return false;
        DocumentFiles::save(document_, chosen);
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    if (!exported) {
        holdListFile(target);
        showFileInCaption(); // saved under a new name, the list may be unchanged
    }
    return true;
}

QString MainWindow::ownFilePath() const
{
    if (fileName().isEmpty())
        return {};
    // The list's name may lack the .kav its file was written under.
    return QFileInfo::exists(fileName()) ? fileName() : RecordFile::targetPath(fileName());
}

bool MainWindow::mayWriteOver(const QString& target)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath());
    const auto ask = [this](const QString& question) { return prompts_.askYesNo && prompts_.askYesNo(question); };
    // The list's own file is saved over silently unless another program
    // changed it since; any other existing file is another list.
    switch (FileWrite::stateOf(target, ownFilePath(), listStamp_)) {
    case FileWrite::TargetState::Absent:
    case FileWrite::TargetState::OwnFile:
        return true;
    case FileWrite::TargetState::OwnFileChanged:
        return ask(QStringLiteral("%1 は他のプログラムで変更されています。上書きしますか？").arg(shown));
    case FileWrite::TargetState::OtherFile:
        break;
    }
    return ask(QStringLiteral("%1 は既にあります。上書きしますか？").arg(shown));
}

void MainWindow::stampListFile(const QString& path)
{
    listStamp_ = FileStamp::of(path);
    keptList_ = FileWrite::KeptFile(ownFilePath(), FileWrite::KeptAs::OpenList);
}

void MainWindow::holdListFile(const QString& path)
{
    stampListFile(path);
    readOnlyFile_.clear(); // the list now has a file of its own
    if (path.isEmpty()) {
        listLock_.release();
        return;
    }
    // Another program editing the same list is reported; this one goes on.
    if (const auto holder = listLock_.take(path); holder && prompts_.showNotice)
        prompts_.showNotice(ListLock::warning(*holder));
}

void MainWindow::restoreRecoveryCopy(const QString& copyPath, const QString& originalPath)
{
    document_.restoreRecovered(copyPath, originalPath);
    // Locked and stamped as the file is now, like a list just opened: its
    // first save asks nothing unless another program changes it meanwhile.
    holdListFile(QFileInfo::exists(originalPath) ? originalPath : QString());
}

bool MainWindow::mayOpenLocked(const QString& path, ListLock& lock, bool& readOnly)
{
    readOnly = false;
    // The list's own file loaded again keeps the lock this window holds.
    if (listLock_.holdsLockFor(path))
        return true;
    const std::optional<ListLock::Holder> holder = lock.take(path);
    if (!holder || !prompts_.askLockedList)
        return true;
    switch (prompts_.askLockedList(ListLock::warning(*holder))) {
    case LockedListChoice::Cancel:
        return false;
    case LockedListChoice::ReadOnly:
        readOnly = true;
        break;
    case LockedListChoice::Edit:
        break;
    }
    return true;
}

bool MainWindow::openFile(const QString& path)
{
    // Asked before the load, so that キャンセル leaves the list as it was;
    // the lock taken here is released again when the load fails.
    ListLock lock;
    bool readOnly = false;
    if (!mayOpenLocked(path, lock, readOnly))
        return false;
    QStringList notes;
    try {
        const std::optional<QStringList> opened = DocumentFiles::openConfirmed(document_, path, prompts_.confirmImport);
        if (!opened)
            return false; // the user declined the table: the list stays as it was
        notes = *opened;
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    stampListFile(path);
    if (!listLock_.holdsLockFor(path))
        listLock_ = std::move(lock);
    readOnlyFile_ = readOnly ? QFileInfo(path).absoluteFilePath() : QString();
    showFileInCaption();
    if (!notes.isEmpty() && prompts_.showNotice)
        prompts_.showNotice(notes.join(u'\n'));
    // A view left scrolled to rows of the previous list invites editing the wrong record.
    controls_.recordGrid->showFromFirstRow();
    return true;
}

namespace {

// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (mayReplaceList())
        openFile(path);
}

// --- Settings -------------------------------------------------------------

bool MainWindow::saveSettings()
{
    setFilePaths();
    try {
        document_.saveSettings(settingsPath());
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

bool MainWindow::loadSettings()
{
    setFilePaths();
    return document_.loadSettings(settingsPath());
}

