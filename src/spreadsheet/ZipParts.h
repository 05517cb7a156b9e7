#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

class QFile;

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
    // Workbook XML packs some 5 to 50 times smaller; a part that inflates
    // far beyond that is a bomb, refused before it is read. Small parts may
    // pack as they like. So no part costs more work than a fixed multiple of
    // the file's own size.
    static constexpr qint64 kMaxInflationRatio = 250;
    static constexpr qint64 kFreelyInflatedSize = qint64(10) * 1024 * 1024;

    // A part read as it is inflated, a piece at a time: a large part is never
    // held whole. Reading ends early, with failed() true, when the part's
    // data is damaged (its checksum is checked at its end).
    class Part : public QIODevice {
    public:
        Part(void* zip, qint64 size);
        ~Part() override;
        bool isSequential() const override { return true; }
        qint64 declaredSize() const { return size_; }
        bool failed() const { return failed_; }

    protected:
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }

    private:
        void* zip_;
        qint64 size_;
        qint64 delivered_ = 0;
        bool ended_ = false;
        bool failed_ = false;
    };

    // Opens the file through the read guard (regular files only). Throws
    // Failure when it cannot be read or is no readable zip.
    explicit ZipParts(const QString& path);
    ~ZipParts();
    ZipParts(const ZipParts&) = delete;
    ZipParts& operator=(const ZipParts&) = delete;

    // The part to read, or none when the container has no such part. Part
    // names are matched without regard to case, as the format asks. One part
    // is open at a time, and none may outlive this object. Throws Failure for
    // a part that is damaged, declared larger than kMaxPartSize, or larger
    // than kFreelyInflatedSize and kMaxInflationRatio times what it packs to.
    std::unique_ptr<Part> open(const QString& name);

    // The whole part's bytes (open, read to its end). Throws Failure as open
    // does, and for damaged data.
    std::optional<QByteArray> read(const QString& name);

    // The message for a container whose contents make no sense.
    QString damagedMessage(const QString& detail) const;

private:
    struct Closer {
        void operator()(void* zip) const;
    };
    QString path_;
    std::unique_ptr<QFile> file_;
    std::unique_ptr<void, Closer> zip_;
};
