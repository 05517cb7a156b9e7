#pragma once

// Answers the real modal dialogs a window opens (file dialogs, the print and
// preview dialogs, message boxes), one after another, and notes every one it
// met. A dialog with no answer left is noted and closed, and so is a dialog
// that its answer left open for a long time: a test never hangs on a dialog.
// Progress dialogs are left alone: they ask nothing, and whether one shows at
// all depends on how fast the machine is.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class DialogScript {
public:
    using Answer = std::function<void(QDialog& dialog)>;

    // What was met, in order: the dialog's class name, and for a message box
    // its text ("QMessageBox: text").
    QStringList met;

    explicit DialogScript(std::deque<Answer> answers = {})
        : state_(std::make_shared<State>())
    {
        state_->answers = std::move(answers);
        poll(state_, this);
    }

    ~DialogScript() { state_->running = false; }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The message boxes' texts among what was met.
    QStringList messages() const
    {
        QStringList texts;
        for (const QString& entry : met) {
            if (entry.startsWith(kMessagePrefix))
                texts << entry.mid(kMessagePrefix.size());
        }
        return texts;
    }

    int unanswered() const { return state_->unanswered; }

    // Answers for the common cases.
    static Answer reject()
    {
        return [](QDialog& dialog) { dialog.reject(); };
    }
    // Clicks a message box's button.
    static Answer press(QMessageBox::StandardButton which)
    {
        return [which](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog); box && box->button(which))
                box->button(which)->click();
            else
                dialog.reject();
        };
    }

private:
    inline static const QString kMessagePrefix = QStringLiteral("QMessageBox: ");
    static constexpr qint64 kLeftOpenMilliseconds = 60000;

    struct State {
        std::deque<Answer> answers;
        QList<QPointer<QDialog>> seen;
        QPointer<QDialog> lastActive;
        QElapsedTimer activeSince;
        bool running = true;
        int unanswered = 0;
    };

    // A fresh single-shot timer for every look, so that a look can come again
    // inside the nested event loop of a dialog that an answer opened.
    static void poll(std::shared_ptr<State> state, DialogScript* script)
    {
        QTimer::singleShot(10, QApplication::instance(), [state, script] {
            if (!state->running)
                return;
            poll(state, script);
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != state->lastActive) {
                state->lastActive = dialog;
                state->activeSince.start();
            }
            if (!dialog || !dialog->isVisible() || qobject_cast<QProgressDialog*>(dialog))
                return;
            if (state->seen.contains(dialog)) {
                if (state->activeSince.elapsed() > kLeftOpenMilliseconds) {
                    ++state->unanswered;
                    dialog->reject();
                }
                return;
            }
            state->seen << dialog;
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            script->met << (box ? kMessagePrefix + box->text() : QString::fromLatin1(dialog->metaObject()->className()));
            if (state->answers.empty()) {
                ++state->unanswered;
                dialog->reject();
                return;
            }
            const Answer answer = std::move(state->answers.front());
            state->answers.pop_front();
            answer(*dialog);
        });
    }

    std::shared_ptr<State> state_;
};
