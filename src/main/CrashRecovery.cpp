#include "CrashRecovery.h"

#include "MainWindow.h"
#include "sheet/Failure.h"
#include "sheet/RecoveryWriter.h"
#include "ui/MessageBoxes.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QString describe(const RecoveryFiles::Copy& copy)
{
    const QString file = copy.originalPath.isEmpty() ? QStringLiteral("（保存されていない新しい記録）") : copy.originalPath;
    return QStringLiteral("%1　　%2").arg(file, copy.writtenAt.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

} // namespace

CrashRecovery::CrashRecovery(MainWindow& window, const QString& folder)
    : window_(window), folder_(folder),
      writer_(std::make_unique<RecoveryWriter>(window.document(), folder))
{
    connect(writer_.get(), &RecoveryWriter::failed, this, &CrashRecovery::showFailure);
    // Closing has dealt with the changes (saved or discarded): no copy is needed.
    connect(&window, &MainWindow::closing, writer_.get(), &RecoveryWriter::removeCopy);
}

CrashRecovery::~CrashRecovery() = default;

void CrashRecovery::showFailure(const QString& message)
{
    if (!statusLine_) {
        auto* panel = window_.findChild<QWidget*>(QStringLiteral("commandBar"));
        statusLine_ = new QLabel(panel ? panel : &window_);
        statusLine_->setObjectName(QStringLiteral("RecoveryStatus"));
        statusLine_->setGeometry(370, 4, 180, 32);
        statusLine_->setWordWrap(true);
        QFont small = statusLine_->font();
        small.setPixelSize(10);
        statusLine_->setFont(small);
    }
    statusLine_->setText(QStringLiteral("復元用の控えを書けません（編集はそのまま続けられます）"));
    statusLine_->setToolTip(Qt::convertFromPlainText(message)); // a tooltip shows rich text: the message names files
    statusLine_->show();
}

bool CrashRecovery::offerLeftBehindCopies()
{
    std::vector<RecoveryFiles::Copy> copies = RecoveryFiles::leftBehind(folder_);
    if (copies.empty())
        return false;

    QDialog dialog(&window_);
    dialog.setWindowTitle(QStringLiteral("記録の復元"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("前回、保存されないまま終わった記録があります。"), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("RecoveryList"));
    for (const RecoveryFiles::Copy& copy : copies)
        list->addItem(describe(copy));
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* restore = buttons->addButton(QStringLiteral("復元する"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(QStringLiteral("破棄する"), QDialogButtonBox::DestructiveRole);
    restore->setDefault(true);
    layout->addWidget(buttons);
    dialog.resize(560, 240);

    bool restored = false;
    connect(restore, &QPushButton::clicked, &dialog, [&] {
        const RecoveryFiles::Copy& copy = copies[static_cast<size_t>(list->currentRow())];
        try {
            window_.restoreRecoveryCopy(copy.recordPath, copy.originalPath);
        } catch (const Failure& failure) {
            UiStyle::showMessage(&dialog, QMessageBox::Warning, QStringLiteral("記録の復元"), failure.message());
            return;
        }
        // This run's own copy takes over from now on.
        RecoveryFiles::remove(copy);
        restored = true;
        dialog.accept();
    });
    connect(discard, &QPushButton::clicked, &dialog, [&] {
        const int row = list->currentRow();
        RecoveryFiles::remove(copies[static_cast<size_t>(row)]);
        copies.erase(copies.begin() + row);
        delete list->takeItem(row);
        if (copies.empty())
            dialog.reject();
    });
    dialog.show();
    dialog.activateWindow(); // nothing else activates it without a window manager
    dialog.exec();
    return restored;
}
