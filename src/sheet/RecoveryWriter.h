#pragma once

#include "RecoveryFiles.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>

class RecordDocument;

// Keeps a recovery copy of the document while it differs from its saved
// state. A change starts a short timer (later changes ride along with it); when
// it fires, the interface thread takes a copy of the sheet, which shares its
// rows and costs a pointer per row, and a worker thread writes the files.
// Once the document equals its saved state again the copy is removed, and at
// destruction (a normal exit) as well. Failures never interrupt editing: the
// first one is reported through failed().
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMilliseconds = 500;

    RecoveryWriter(const RecordDocument& document, const QString& folder, QObject* parent = nullptr);
    ~RecoveryWriter() override;

    // Removes the copy at once (the user discarded the changes).
    void removeCopy();

Q_SIGNALS:
    void failed(const QString& message);
    // A copy was written or removed, or writing it failed (for tests and
    // benchmarks: the writer is idle until the next change).
    void settled();

private:
    void documentChanged();
    void writeOrRemove();
    void reportFailure(const QString& message);

    const RecordDocument& document_;
    RecoveryFiles::Copy copy_;
    QTimer timer_;
    QThread thread_;
    QObject* worker_ = nullptr; // lives on thread_, deleted when it ends
    std::atomic<int> waiting_{0}; // jobs handed to the worker and not yet started
    bool failureReported_ = false;
};
