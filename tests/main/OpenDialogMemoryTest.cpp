#include "main/OpenDialogMemory.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kOffered{u"読み込めるファイル (*.kav *.xlsx *.csv)"_qs, u"記録ファイル (*.kav)"_qs,
                           u"Excel ブック (*.xlsx)"_qs, u"すべてのファイル (*)"_qs};

} // namespace

TEST(OpenDialogMemory, StartsWhereTheLastOpenWasInALaterRun)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"dialogs.ini"_qs);
    const QString folder = dir.filePath(u"受信"_qs);
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        OpenDialogMemory fresh(ini);
        EXPECT_EQ(fresh.startFolder({}), QString());
        EXPECT_EQ(fresh.startFilter(kOffered), kOffered.front());
        fresh.remember(folder + u"/一覧.xlsx"_qs, kOffered[2]);
    }
    OpenDialogMemory later(ini);
    EXPECT_EQ(later.startFolder({}), folder);
    EXPECT_EQ(later.startFilter(kOffered), kOffered[2]);
    // An open list's folder comes first.
    EXPECT_EQ(later.startFolder(dir.path()), dir.path());
    // A type no longer offered, or a folder since removed, is not offered again.
    EXPECT_EQ(later.startFilter(kOffered.mid(0, 2)), kOffered.front());
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_EQ(later.startFolder({}), QString());
}
