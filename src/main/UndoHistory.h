#pragma once

#include <QObject>
#include <QUndoStack>

class QAction;
class QMenu;
class QWidget;
class RecordDocument;

// The undo history of the record list: every step the document records goes
// on a QUndoStack; Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, and the
// pop-up menu offers both. Opening a file or starting a new list clears it.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepLimit = 100;

    // The shortcuts work anywhere in `window`.
    UndoHistory(RecordDocument& document, QWidget* window);

    // Adds a separator, "元に戻す" and "やり直し" at the end of the menu.
    void addToMenu(QMenu* menu) const;

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    const QUndoStack& stack() const { return stack_; }

private:
    RecordDocument& document_;
    QUndoStack stack_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};
