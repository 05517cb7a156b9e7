#include "main/InstanceSlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Programs started one after another take the numbers in order; a number
// given up is taken again by the next program, before any higher one.
TEST(InstanceSlot, EachRunningProgramHasItsOwnNumberAndOffset)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::unique_ptr<InstanceSlot>> running;
    for (int expected = 0; expected < 3; ++expected) {
        running.push_back(std::make_unique<InstanceSlot>(dir.path()));
        EXPECT_EQ(running.back()->number(), expected);
        EXPECT_EQ(running.back()->windowOffset(), QPoint(30, 30) * expected);
    }
    running.erase(running.begin());
    EXPECT_EQ(InstanceSlot(dir.path()).number(), 0);

    // Every slot held: the next program opens where the first does.
    while (running.size() < InstanceSlot::kSlots)
        running.push_back(std::make_unique<InstanceSlot>(dir.path()));
    EXPECT_EQ(InstanceSlot(dir.path()).number(), 0);
}

TEST(InstanceSlot, AFolderThatCannotBeMadeGivesTheFirstPlace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(InstanceSlot(file + QStringLiteral("/windows")).windowOffset(), QPoint(0, 0));
}
