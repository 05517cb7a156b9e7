#include "RecoveryWriter.h"

#include "Failure.h"
#include "RecordDocument.h"

#include <QCoreApplication>

RecoveryWriter::RecoveryWriter(const RecordDocument& document, const QString& folder, QObject* parent)
    : QObject(parent), document_(document), copy_(RecoveryFiles::copyFor(folder, QCoreApplication::applicationPid()))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::writeOrRemove);
    connect(&document_, &RecordDocument::changed, this, &RecoveryWriter::documentChanged);

    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
}

RecoveryWriter::~RecoveryWriter()
{
    timer_.stop();
    thread_.quit();
    thread_.wait();
    RecoveryFiles::remove(copy_);
}

void RecoveryWriter::removeCopy()
{
    timer_.stop();
    ++waiting_;
    QMetaObject::invokeMethod(worker_, [this, copy = copy_] {
        --waiting_;
        RecoveryFiles::remove(copy);
    }, Qt::QueuedConnection);
}

void RecoveryWriter::documentChanged()
{
    // Not restarted by later changes, so a copy follows within the delay
    // plus one write even while the user keeps editing.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryWriter::writeOrRemove()
{
    // One job waits at most: a slow disk makes the copies rarer, never a queue.
    if (waiting_ > 0) {
        timer_.start();
        return;
    }
    ++waiting_;
    if (!document_.isModified()) {
        QMetaObject::invokeMethod(worker_, [this, copy = copy_] {
            --waiting_;
            RecoveryFiles::remove(copy);
            QMetaObject::invokeMethod(this, &RecoveryWriter::settled, Qt::QueuedConnection);
        }, Qt::QueuedConnection);
        return;
    }
    RecoveryFiles::Copy copy = copy_;
    copy.originalPath = document_.fileName();
    copy.writtenAt = QDateTime::currentDateTime();
    QMetaObject::invokeMethod(
        worker_,
        [this, copy = std::move(copy), company = document_.companyName(), sheet = document_.sheet()] {
            --waiting_;
            try {
                RecoveryFiles::write(copy, company, sheet);
            } catch (const Failure& failure) {
                QMetaObject::invokeMethod(this, [this, message = failure.message()] { reportFailure(message); },
                                          Qt::QueuedConnection);
            } catch (const std::exception&) {
                // Out of memory for the copy: the next change tries again.
            }
            QMetaObject::invokeMethod(this, &RecoveryWriter::settled, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RecoveryWriter::reportFailure(const QString& message)
{
    if (std::exchange(failureReported_, true))
        return;
    Q_EMIT failed(message);
}
