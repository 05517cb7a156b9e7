#pragma once

#include "Failure.h"

#include <QByteArrayList>
#include <QString>

#include <memory>

class FileStamp;

// The one way the program writes a file: record files, tables, workbooks,
// PDFs, settings, recovery copies. Every write goes to a partial file beside
// the target and is renamed over it once complete, so a failed write leaves
// the old file as it was and a hard link to the target keeps its bytes. A
// file kept by a KeptFile is never replaced by a write of other contents,
// however the target is spelled (the check is by file identity).
namespace FileWrite {

// What a write puts into its target: a list's record file, the settings, or
// any other output (a table, a workbook, a PDF, a recovery copy's note).
enum class Contents { RecordFile, Settings, Output };

// Why a file must not be replaced, and so which writes may still replace it.
enum class KeptAs {
    Input,    // a file an output is made from: nothing replaces it
    OpenList, // the list being edited: only a record file save replaces it
    Settings, // the settings in use: only the settings save replaces it
};

// Keeps a file from being replaced while it lives. Keep one per input of a
// command, one for the settings file and one for the open list.
class KeptFile {
public:
    KeptFile() = default;
    KeptFile(const QString& path, KeptAs role);
    ~KeptFile();
    KeptFile(KeptFile&& other) noexcept;
    KeptFile& operator=(KeptFile&& other) noexcept;
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;

private:
    int id_ = 0;
};

// The Failure a write of a kept file ends with, naming the file and why it
// was kept.
class KeptFileRefusal : public Failure {
public:
    using Failure::Failure;
};

// What a target path is to the list being edited, for the question a save
// asks before it writes.
enum class TargetState {
    Absent,         // nothing there
    OwnFile,        // the list's own file, as it was when stamped
    OwnFileChanged, // the list's own file, changed by another program since
    OtherFile,      // any other existing file (or a folder, which the write refuses)
};
TargetState stateOf(const QString& target, const QString& ownFile, const FileStamp& ownStamp);

// The file a write of target ends up replacing: a symbolic link is followed,
// so the link stays and the file it points to gets the new contents.
QString resolvedTarget(const QString& target);

// Throws the Failure a write of contents to target would end with before
// writing anything: a folder of that name, a read-only file, a kept file
// (KeptFileRefusal).
void refuseUnwritable(const QString& target, Contents contents);

// A write in progress: a unique, short-named file beside the target (so a
// target whose name is as long as the system allows can still be written),
// which commit() puts in place with the permissions of the file it replaces.
// Destroyed without commit(), it removes the partial file.
class Output {
public:
    // Throws Failure (refuseUnwritable, or the partial file cannot be made).
    Output(const QString& target, Contents contents);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Where the writer writes. The file exists (empty) from construction.
    const QString& partialPath() const { return partial_; }
    // The path the caller named, for messages.
    const QString& target() const { return target_; }

    // Syncs the partial file to disk and renames it over the target. Throws
    // Failure with the file's message; the target is then as it was.
    void commit();

private:
    QString target_;
    QString resolved_;
    QString partial_;
    Contents contents_;
};

// Writes pieces one after the other into target through an Output. Throws
// Failure ファイル "%s" を作成できません。%s.
void writeAtomically(const QString& target, Contents contents, const QByteArrayList& pieces);

} // namespace FileWrite
