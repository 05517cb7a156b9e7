#include "UndoHistory.h"

#include "sheet/RecordDocument.h"

#include <QAction>
#include <QMenu>
#include <QUndoCommand>
#include <QWidget>

namespace {

// One recorded step on the stack: undo runs it backwards, redo forwards,
// including the redo that the push itself runs.
class DocumentStepCommand : public QUndoCommand {
public:
    DocumentStepCommand(RecordDocument& document, std::shared_ptr<const DocumentChange> step)
        : document_(document), step_(std::move(step))
    {
    }

    void undo() override { document_.undoStep(*step_); }
    void redo() override { document_.redoStep(*step_); }

    // Typing a company name is one action, not one step per key.
    int id() const override { return step_->isCompanyNameOnly() ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* later = static_cast<const DocumentStepCommand*>(other);
        auto merged = std::make_shared<DocumentChange>(*step_);
        merged->append(DocumentChange(*later->step_));
        setObsolete(merged->isEmpty()); // typed and erased again
        step_ = std::move(merged);
        return true;
    }

private:
    RecordDocument& document_;
    std::shared_ptr<const DocumentChange> step_;
};

} // namespace

UndoHistory::UndoHistory(RecordDocument& document, QWidget* window) : QObject(window), document_(document)
{
    stack_.setUndoLimit(kStepLimit);
    document_.setRecordingSteps(true);
    // Every edit of the document arrives here as a step; the push makes it
    // through the command's redo.
    connect(&document_, &RecordDocument::stepRecorded, this, [this](std::shared_ptr<const DocumentChange> step) {
        stack_.push(new DocumentStepCommand(document_, std::move(step)));
    });
    connect(&document_, &RecordDocument::historyReset, &stack_, &QUndoStack::clear);

    undo_ = stack_.createUndoAction(window, QStringLiteral("元に戻す"));
    undo_->setObjectName(QStringLiteral("undoAction"));
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = stack_.createRedoAction(window, QStringLiteral("やり直し"));
    redo_->setObjectName(QStringLiteral("redoAction"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undo_, redo_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
}

void UndoHistory::addToMenu(QMenu* menu) const
{
    menu->addSeparator()->setObjectName(QStringLiteral("undoSeparator"));
    menu->addAction(undo_);
    menu->addAction(redo_);
}
