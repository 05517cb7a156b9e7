#include "TestSupport.h"

#include "sheet/LockFileText.h"

namespace {

using LockFileText::Content;
using Kind = LockFileText::Content::Kind;

TEST(LockFileText, ReadsQtsAndOfficeSuitesLocksAndNothingElse)
{
    const QDateTime nineOFive(QDate(2026, 12, 10), QTime(9, 5));
    struct Case {
        const char* name;
        QByteArray bytes;
        Kind kind;
        QString user;
        QString host;
        qint64 pid;
        QDateTime since;
    };
    const std::vector<Case> cases = {
        {"Qt's lock", "4242\ntagrio\nbuild-pc\n0123abcd\nfedc9876\n", Kind::QtLock, {}, u"build-pc"_qs, 4242, {}},
        {"Qt's lock with CR LF, no ids", "17\r\nprog\r\nhost-7\r\n", Kind::QtLock, {}, u"host-7"_qs, 17, {}},
        {"Qt's lock, pid only", "17", Kind::QtLock, {}, {}, 17, {}},
        {"office lock without a name", ",yamada,office-pc,10.12.2026 09:05,file:///home/yamada/.config/libreoffice/4;",
         Kind::OfficeLock, u"yamada"_qs, u"office-pc"_qs, 0, nineOFive},
        {"office lock with a name, escapes and a line end after it",
         "山田 太郎\\, 設計,yamada,pc\\;1,10.12.2026 09:05,file:///x\\\\y;\n", Kind::OfficeLock,
         u"山田 太郎, 設計"_qs, u"pc;1"_qs, 0, nineOFive},
        {"office lock with a time it cannot read", ",u,h,yesterday,;", Kind::OfficeLock, u"u"_qs, u"h"_qs, 0, {}},
        {"empty", "", Kind::Unreadable, {}, {}, 0, {}},
        {"binary", QByteArray::fromHex("00ff10fe0a0a0a"), Kind::Unreadable, {}, {}, 0, {}},
        {"pid zero", "0\nprog\nhost\n", Kind::Unreadable, {}, {}, 0, {}},
        {"pid with a sign", "-5\nprog\nhost\n", Kind::Unreadable, {}, {}, 0, {}},
        {"pid past 64 bits", "99999999999999999999\nprog\nhost\n", Kind::Unreadable, {}, {}, 0, {}},
        {"office lock with four fields", ",u,h,10.12.2026 09:05;", Kind::Unreadable, {}, {}, 0, {}},
        {"office lock without its end", ",u,h,10.12.2026 09:05,url", Kind::Unreadable, {}, {}, 0, {}},
        {"office lock ending early with ;", ",u;h,10.12.2026 09:05,url;", Kind::Unreadable, {}, {}, 0, {}},
        {"office lock with an unknown escape", ",u\\n,h,10.12.2026 09:05,url;", Kind::Unreadable, {}, {}, 0, {}},
        {"a lock too long for anyone to have written",
         "4242\ntagrio\nhost\n" + QByteArray(LockFileText::kMaxSize, 'x'), Kind::Unreadable, {}, {}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Content content = LockFileText::parse(c.bytes);
        EXPECT_EQ(content.kind, c.kind);
        EXPECT_EQ(content.user, c.user);
        EXPECT_EQ(content.host, c.host);
        EXPECT_EQ(content.pid, c.pid);
        EXPECT_EQ(content.since, c.since);
    }
}

TEST(LockFileText, FieldsComeOutAsOneShortLine)
{
    // Line breaks, tabs, escapes and direction overrides go; a long field is cut.
    const QByteArray host = "<h1>a</h1>\t\x1b[31m\xe2\x80\xae" "b\xe2\x80\xa8" "c";
    EXPECT_EQ(LockFileText::parse("1\nprog\n" + host + "\n").host, u"<h1>a</h1>  [31m b c"_qs);
    EXPECT_EQ(LockFileText::parse(",\r\n user \r\n,,,;").user, u"user"_qs);

    const QString cut = LockFileText::parse("1\nprog\n" + QByteArray(200, 'h') + "\n").host;
    EXPECT_EQ(cut, QString(LockFileText::kMaxFieldLength, u'h') + u'…');
    // Never half a character: a pair of surrogates stays whole or goes whole.
    const QByteArray emoji = "\xf0\x9f\x98\x80";
    const QString emojiCut = LockFileText::parse(",," + QByteArray(LockFileText::kMaxFieldLength - 1, 'e') + emoji + ",,;").host;
    EXPECT_EQ(emojiCut, QString(LockFileText::kMaxFieldLength - 1, u'e') + u'…');
}

} // namespace
