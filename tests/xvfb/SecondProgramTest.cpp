// Two real tagrio programs under Xvfb on one list: the second asks how to open
// the list the first holds, Enter opens it read-only, and its window stands
// right of and below the first's.
#include "../StateTimeout.h"
#include "ProgramWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SecondProgramTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void theSecondProgramOpensReadOnlyBesideTheFirst();

private:
    void startTagrio(const QStringList& arguments);

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<QProcess>> runs_;
};

void SecondProgramTest::cleanup()
{
    for (auto& run : runs_) {
        run->kill();
        run->waitForFinished();
    }
    runs_.clear();
}

void SecondProgramTest::startTagrio(const QStringList& arguments)
{
    auto run = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_qs, dir_.filePath(u"data"_qs));
    environment.insert(u"XDG_CONFIG_HOME"_qs, dir_.filePath(u"config"_qs));
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    run->setProcessEnvironment(environment);
    run->start(QStringLiteral(TAGRIO_PROGRAM), arguments);
    QVERIFY(run->waitForStarted());
    runs_.push_back(std::move(run));
}

void SecondProgramTest::theSecondProgramOpensReadOnlyBesideTheFirst()
{
    const QString list = dir_.filePath(u"list.kav"_qs);
    QVERIFY(QFile::copy(QStringLiteral(TAGRIO_SAMPLES "/sample.kav"), list));
    QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray before = bytesOf(list);

    startTagrio({list});
    const QPoint first = windowCorner(u"タグリオ.* - list\\.kav$"_qs);
    QVERIFY(first.x() >= 0);

    startTagrio({list});
    // The question is titled with the program's name alone.
    const QPoint question = windowCorner(u"^タグリオ$"_qs);
    QVERIFY(question.x() >= 0);
    // Without a window manager the keyboard follows the pointer.
    xdotool({u"mousemove"_qs, u"--sync"_qs, QString::number(question.x() + 40), QString::number(question.y() + 10)});
    xdotool({u"key"_qs, u"Return"_qs}); // 読み取り専用で開く is the default button
    const QPoint second = windowCorner(u"タグリオ.* - list\\.kav（読み取り専用）$"_qs);
    QVERIFY(second.x() >= 0);
    QCOMPARE(second - first, QPoint(30, 30));
    QCOMPARE(bytesOf(list), before);
}

QTEST_GUILESS_MAIN(SecondProgramTest)
#include "SecondProgramTest.moc"
