#pragma once

#include "ImportedTable.h"
#include "DocumentChange.h"
#include "RecordSheet.h"
#include "SettingsFile.h"
#include "SheetEditing.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The one record list the program works on: the sheet (recordCount is the
// highest record number handed out), the company name saved with it, the
// settings f0..f6 and the record file it came from. Every change goes through
// this class, which tells the views (changed) and decides by content whether
// there is anything unsaved: an edit that leaves the list as it was last
// opened or saved is no change.
class RecordDocument : public QObject {
    Q_OBJECT
public:
    explicit RecordDocument(QObject* parent = nullptr);

    // The document a headless command works on: the settings from
    // settingsFile (missing: the defaults), a new list under the settings'
    // company name, then recordFile opened over it unless it is empty.
    // Throws Failure when the record file cannot be opened.
    static std::unique_ptr<RecordDocument> fromFiles(const QString& recordFile, const QString& settingsFile);

    const RecordSheet& sheet() const { return sheet_; }
    const QString& companyName() const { return companyName_; }
    const Settings& settings() const { return settings_; }
    const QString& fileName() const { return fileName_; }

    // Differs in content from what was last opened or saved.
    bool isModified() const { return modified_; }

    // --- Files ---
    // Loads the record file into a fresh sheet and takes it only when the
    // whole file was read: a failure (throws Failure) leaves the document as
    // it was, file name included.
    void open(const QString& path);
    // Saves under RecordFile::targetPath(chosenPath). The file name becomes
    // chosenPath even when the write fails (throws Failure).
    void save(const QString& chosenPath);
    // Takes a table file's rows (read from sourcePath) as the list, as if
    // pasted into an empty sheet; the company name stays. The file name
    // becomes sourcePath's name with ".kav", so the next save proposes the
    // record file beside the table rather than overwriting the table. The
    // empty list counts as the last saved state: any imported record is
    // unsaved. Returns the table's notes. A table that does not fit throws
    // Failure and leaves the document as it was.
    QStringList importTable(const ImportedTable& table, const QString& sourcePath);
    // Empties the list and takes the settings' company name; nothing unsaved.
    void startNewList();
    // Takes a recovery copy of the list (throws Failure when it cannot be
    // read, changing nothing). The saved state it is compared with is
    // originalPath as it stands on disk (a new list when there is none), and
    // a save goes there.
    void restoreRecovered(const QString& recoveryPath, const QString& originalPath);
    // Takes the lines present in the settings file over f0..f6; false when
    // there was no file to read.
    bool loadSettings(const QString& path);
    // The captions (f1..f6) the settings file keeps for the next start. The
    // entry form edits them; the plates of this run keep the captions in
    // force, settings(), which only the settings file changes.
    const std::array<QString, 6>& captionsForNextStart() const { return nextStartCaptions_; }
    void setCaptionForNextStart(int index, const QString& caption); // index 0..5
    // Writes f0..f6: the current company name and the captions for the next
    // start. Throws Failure.
    void saveSettings(const QString& path) const;

    // --- Editing ---
    void setCompanyName(const QString& name);
    // Pastes clipboard lines from startRow on; throws Failure (nothing
    // changed) when the sheet would grow past its limit.
    void pasteText(int startRow, QStringView clipboardText);
    void sortRecords();
    void renumberRecords();
    // Deletes row `row` after confirm agrees; returns whether it went.
    bool deleteRow(int row, const SheetEditing::ConfirmDelete& confirm);
    // Deletes rows first..last (asking when it is one row) and renumbers.
    // Nothing happens when the range touches the header row.
    void deleteRows(int first, int last, const SheetEditing::ConfirmDelete& confirm);
    void deleteAllRecords();
    // The entry form's 登録: writes the record's number and data texts into
    // `row` (the sheet grows to hold it); a new record raises the record
    // count to it.
    void registerRecord(int row, const Record& texts, bool newRecord);
    // Takes `sheet` as the list in place of the current one, as one edit.
    void replaceSheet(RecordSheet sheet);

    // --- Undo steps ---
    // Once recording is on, every edit above that changes the content is
    // handed to the recorder through stepRecorded instead of being kept: the
    // recorder makes it with redoStep (an undo stack's push does). Edits made
    // while a StepGroup lives become one step, handed over when the last
    // group ends.
    void setRecordingSteps(bool on) { recordingSteps_ = on; }
    class StepGroup {
    public:
        explicit StepGroup(RecordDocument& document) : document_(document) { ++document_.openGroups_; }
        ~StepGroup() { document_.closeStepGroup(); }
        StepGroup(const StepGroup&) = delete;
        StepGroup& operator=(const StepGroup&) = delete;

    private:
        RecordDocument& document_;
    };
    [[nodiscard]] StepGroup groupSteps() { return StepGroup(*this); }
    // Runs a recorded step backwards or forwards; neither is recorded again.
    void undoStep(const DocumentChange& step);
    void redoStep(const DocumentChange& step);

Q_SIGNALS:
    // The sheet or the company name may have changed.
    void changed();
    void modifiedChanged(bool modified);
    // An edit changed the content; the step takes it back and forth.
    void stepRecorded(std::shared_ptr<const DocumentChange> step);
    // A file was opened or a new list started: earlier steps no longer apply.
    void historyReset();

private:
    // Tells the views once the edit is over, even when it ended in a throw,
    // and records the step when someone keeps them. The copy of the sheet
    // before the edit shares its rows, so taking it costs a pointer per row.
    class Notifier {
    public:
        explicit Notifier(RecordDocument& document) : document_(document)
        {
            if (document_.recordsSteps())
                before_ = document_.sheet_;
        }
        ~Notifier() { document_.finishEdit(std::move(before_), reorder.empty() ? nullptr : &reorder); }
        Notifier(const Notifier&) = delete;
        Notifier& operator=(const Notifier&) = delete;

        std::vector<int> reorder; // how a sort reordered the record rows

    private:
        RecordDocument& document_;
        std::optional<RecordSheet> before_;
    };

    // Runs an edit of this class on the sheet, then tells the views, even
    // when the edit throws. Whatever the edit returns is passed back.
    template <typename Edit>
    decltype(auto) applyEdit(Edit&& edit)
    {
        const Notifier notifyAfterwards(*this);
        return std::forward<Edit>(edit)(sheet_);
    }

    bool recordsSteps() const { return recordingSteps_; }
    void finishEdit(std::optional<RecordSheet> before, const std::vector<int>* reorder) noexcept;
    void recordStep(DocumentChange step);
    void closeStepGroup();
    void contentChanged();
    void markSaved();
    void markSavedState();
    bool equalsSavedState() const;

    RecordSheet sheet_;
    QString companyName_;
    Settings settings_;
    std::array<QString, 6> nextStartCaptions_;
    void takeCaptionsForNextStart();
    QString fileName_;
    RecordSheet savedSheet_; // the list as last opened or saved
    QString savedCompanyName_;
    bool modified_ = false;
    int openGroups_ = 0;
    bool recordingSteps_ = false;
    std::optional<DocumentChange> groupedStep_;
};
