#pragma once

#include "sheet/RecoveryFiles.h"

#include <QObject>

#include <memory>

class QLabel;
class RecoveryWriter;
class MainWindow;

// Crash recovery for the main window: offers the copies a crashed run left
// behind, keeps this run's copy up to date, and shows a failure of the copy
// writer once, in a status line of the window rather than a message box.
class CrashRecovery : public QObject {
    Q_OBJECT
public:
    CrashRecovery(MainWindow& window, const QString& folder = RecoveryFiles::defaultFolder());
    ~CrashRecovery() override;

    // Asks about every copy left behind by processes that are gone, in the
    // window "記録の復元": 復元する loads one (unsaved; 保存 goes to its
    // original file), 破棄する deletes one. Returns whether one was loaded.
    bool offerLeftBehindCopies();

private:
    void showFailure(const QString& message);

    MainWindow& window_;
    QString folder_;
    std::unique_ptr<RecoveryWriter> writer_;
    QLabel* statusLine_ = nullptr;
};
