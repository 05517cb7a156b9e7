#pragma once

#include <QLockFile>
#include <QPoint>
#include <QString>

#include <memory>

// Which of the programs running for this user this one is: the lowest number
// no running program holds, kept for the program's life by a lock file in
// `folder`. A second program's window opens offset from the first's, so that
// it does not hide it; a program that died leaves its number free.
class InstanceSlot {
public:
    static constexpr int kSlots = 8;

    explicit InstanceSlot(const QString& folder);
    // The user's folder for these locks, beside the recovery copies.
    static QString defaultFolder();

    // 0 for the first program; when every slot is held, or no lock file can
    // be made, 0 as well.
    int number() const { return number_; }
    // How far this program's window moves from where the first one opens.
    QPoint windowOffset() const { return QPoint(30, 30) * number_; }

private:
    std::unique_ptr<QLockFile> lock_;
    int number_ = 0;
};
