#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// The parts of a zip container (an .xlsx file), read through minizip with
// limits, so that a damaged, truncated or hostile file ends in a Failure with
// the user's message instead of a crash or an exhausted memory.
//
// minizip is the zip library the workbook writer (libxlsxwriter) already
// brings into the process. QuaZip cannot stand beside it: it exports its own
// modified copy of minizip's functions under the same names, and whichever
// library loads first takes over the other's calls.
class ZipParts {
public:
    // No part of a real cable list comes near this; a zip bomb stops here.
    static constexpr qint64 kMaxPartSize = qint64(200) * 1024 * 1024;

    // Throws Failure when the file is no readable zip.
    explicit ZipParts(const QString& path);

    // The part's bytes, or nothing when the container has no such part. Part
    // names are matched without regard to case, as the format asks. Throws
    // Failure for a part that is damaged or larger than kMaxPartSize.
    std::optional<QByteArray> read(const QString& name);

    // The message for a container whose contents make no sense.
    QString damagedMessage(const QString& detail) const;

private:
    struct Closer {
        void operator()(void* zip) const;
    };
    QString path_;
    std::unique_ptr<void, Closer> zip_;
};
