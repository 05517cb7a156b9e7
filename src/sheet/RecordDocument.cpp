#include "RecordDocument.h"

#include "Failure.h"
#include "RecordFile.h"

#include <QDir>
#include <QFileInfo>

RecordDocument::RecordDocument(QObject* parent)
    : QObject(parent), companyName_(Settings::defaults().companyName()), settings_(Settings::defaults())
{
    takeCaptionsForNextStart();
    markSaved();
}

void RecordDocument::takeCaptionsForNextStart()
{
    for (size_t i = 0; i < nextStartCaptions_.size(); ++i)
        nextStartCaptions_[i] = settings_.caption(static_cast<int>(i) + 1);
}

std::unique_ptr<RecordDocument> RecordDocument::fromFiles(const QString& recordFile, const QString& settingsFile)
{
    auto document = std::make_unique<RecordDocument>();
    document->loadSettings(settingsFile);
    document->startNewList();
    if (!recordFile.isEmpty())
        document->open(recordFile);
    return document;
}

// --- Files ------------------------------------------------------------------

void RecordDocument::open(const QString& path)
{
    RecordSheet loaded;
    QString company;
    RecordFile::load(path, company, loaded);
    sheet_ = std::move(loaded);
    companyName_ = std::move(company);
    fileName_ = path;
    markSaved();
    Q_EMIT historyReset();
}

void RecordDocument::save(const QString& chosenPath)
{
    fileName_ = chosenPath;
    RecordFile::save(RecordFile::targetPath(chosenPath), companyName_, sheet_);
    markSaved();
}

QStringList RecordDocument::importTable(const ImportedTable& table, const QString& sourcePath)
{
    RecordSheet imported;
    const QStringList notes = TableRows::toSheet(table, imported);
    const QFileInfo source(sourcePath);
    fileName_ = source.dir().filePath(source.completeBaseName() + QStringLiteral(".kav"));
    sheet_ = RecordSheet();
    markSavedState();
    sheet_ = std::move(imported);
    contentChanged();
    Q_EMIT historyReset(); // a new list: nothing before it to undo back to
    return notes;
}

void RecordDocument::startNewList()
{
    sheet_ = RecordSheet();
    companyName_ = settings_.companyName();
    fileName_.clear();
    markSaved();
    Q_EMIT historyReset();
}

void RecordDocument::restoreRecovered(const QString& recoveryPath, const QString& originalPath)
{
    RecordSheet recovered;
    QString company;
    RecordFile::loadRecoveryCopy(recoveryPath, company, recovered);
    try {
        open(originalPath);
    } catch (const Failure&) {
        // The original is gone or was never saved: compare with a new list.
        startNewList();
        fileName_ = originalPath;
    }
    sheet_ = std::move(recovered);
    companyName_ = std::move(company);
    contentChanged();
}

bool RecordDocument::loadSettings(const QString& path)
{
    const bool found = SettingsFile::load(path, settings_);
    takeCaptionsForNextStart();
    return found;
}

void RecordDocument::setCaptionForNextStart(int index, const QString& caption)
{
    nextStartCaptions_.at(static_cast<size_t>(index)) = caption;
}

void RecordDocument::saveSettings(const QString& path) const
{
    Settings toSave = settings_;
    toSave.lines[0] = companyName_;
    std::copy(nextStartCaptions_.begin(), nextStartCaptions_.end(), toSave.lines.begin() + 1);
    SettingsFile::save(path, toSave);
}

// --- Editing ----------------------------------------------------------------

void RecordDocument::setCompanyName(const QString& name)
{
    if (name == companyName_)
        return;
    if (recordsSteps()) {
        const bool grouped = openGroups_ > 0;
        recordStep(DocumentChange::companyName(companyName_, name));
        if (!grouped)
            return; // the recorder makes the change
    }
    companyName_ = name;
    contentChanged();
}

void RecordDocument::pasteText(int startRow, QStringView clipboardText)
{
    applyEdit([&](RecordSheet& sheet) { SheetEditing::paste(sheet, startRow, clipboardText); });
}

void RecordDocument::sortRecords()
{
    // The step keeps the new order rather than the rows themselves.
    Notifier recordOrder(*this);
    try {
        recordOrder.reorder = SheetEditing::sort(sheet_);
    } catch (...) {
        // A failed sort just ends; the sheet stays as far as it got.
    }
}

void RecordDocument::renumberRecords()
{
    applyEdit([](RecordSheet& sheet) { renumber(sheet); });
}

bool RecordDocument::deleteRow(int row, const SheetEditing::ConfirmDelete& confirm)
{
    return applyEdit([&](RecordSheet& sheet) {
        return SheetEditing::deleteRow(sheet, row, SheetEditing::DeleteMode::Ask, confirm);
    });
}

void RecordDocument::deleteRows(int first, int last, const SheetEditing::ConfirmDelete& confirm)
{
    applyEdit([&](RecordSheet& sheet) { SheetEditing::deleteRows(sheet, first, last, confirm); });
}

void RecordDocument::deleteAllRecords()
{
    applyEdit([](RecordSheet& sheet) { SheetEditing::deleteAll(sheet); });
}

void RecordDocument::registerRecord(int row, const Record& texts, bool newRecord)
{
    applyEdit([&](RecordSheet& sheet) { SheetEditing::writeRecord(sheet, row, texts, newRecord); });
}

void RecordDocument::replaceSheet(RecordSheet sheet)
{
    applyEdit([&](RecordSheet& current) { current = std::move(sheet); });
}

// --- Undo steps ---------------------------------------------------------------


void RecordDocument::finishEdit(std::optional<RecordSheet> before, const std::vector<int>* reorder) noexcept
{
    if (before) {
        try {
            DocumentChange step = DocumentChange::between(*before, sheet_, reorder);
            // Outside a group the recorder makes the step through its redo:
            // the sheet goes back to where the step starts.
            if (openGroups_ == 0 && !step.isEmpty())
                sheet_ = std::move(*before);
            recordStep(std::move(step));
        } catch (...) {
            // Out of memory for the step: the edit stands, the history
            // cannot take it back, so it starts afresh.
            groupedStep_.reset();
            Q_EMIT historyReset();
        }
    }
    contentChanged();
}

void RecordDocument::recordStep(DocumentChange step)
{
    if (step.isEmpty())
        return;
    if (openGroups_ == 0) {
        Q_EMIT stepRecorded(std::make_shared<const DocumentChange>(std::move(step)));
        return;
    }
    if (groupedStep_)
        groupedStep_->append(std::move(step));
    else
        groupedStep_ = std::move(step);
}

void RecordDocument::closeStepGroup()
{
    if (--openGroups_ > 0 || !groupedStep_)
        return;
    DocumentChange step = std::move(*groupedStep_);
    groupedStep_.reset();
    // The group's edits are made; the recorder makes them again as one step.
    step.revert(sheet_, companyName_);
    recordStep(std::move(step));
}

void RecordDocument::undoStep(const DocumentChange& step)
{
    step.revert(sheet_, companyName_);
    contentChanged();
}

void RecordDocument::redoStep(const DocumentChange& step)
{
    step.apply(sheet_, companyName_);
    contentChanged();
}

// --- Change tracking ----------------------------------------------------------

// The copy of the saved list shares its rows with the sheet, so it costs a
// pointer per row, and comparing with it skips every row still shared. It
// tells an edit that undid itself (a sort of a sorted list, a renumber of
// numbered rows) from a real change.
void RecordDocument::markSavedState()
{
    savedSheet_ = sheet_;
    savedCompanyName_ = companyName_;
}

bool RecordDocument::equalsSavedState() const
{
    return companyName_ == savedCompanyName_ && sheet_ == savedSheet_;
}

void RecordDocument::markSaved()
{
    markSavedState();
    const bool wasModified = std::exchange(modified_, false);
    Q_EMIT changed();
    if (wasModified)
        Q_EMIT modifiedChanged(false);
}

void RecordDocument::contentChanged()
{
    const bool modified = !equalsSavedState();
    const bool flipped = modified != modified_;
    modified_ = modified;
    Q_EMIT changed();
    if (flipped)
        Q_EMIT modifiedChanged(modified);
}
