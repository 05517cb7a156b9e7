// The label-stock sheet picture: which labels a print uses up, fills and
// leaves free, and how many sheets it takes.
#include "print/ui/StockPositionPicture.h"

#include <QTest>

class StockPositionPictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsLabelsAndSheets_data()
    {
        QTest::addColumn<PlateKind>("kind");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("plates");
        QTest::addColumn<int>("printedOnFirstSheet");
        QTest::addColumn<int>("sheets");
        QTest::addColumn<int>("freeOnLastSheet");
        QTest::newRow("type A, start 5, three records twice") << PlateKind::TypeA << 5 << 6 << 2 << 2 << 2;
        QTest::newRow("trunk, start 5, three records twice") << PlateKind::TypeBTrunk << 5 << 6 << 6 << 1 << 14;
        QTest::newRow("branch fills its sheet exactly") << PlateKind::TypeBBranch << 31 << 6 << 6 << 1 << 0;
        QTest::newRow("branch, one past a sheet") << PlateKind::TypeBBranch << 1 << 37 << 36 << 2 << 35;
        QTest::newRow("nothing to print") << PlateKind::TypeA << 3 << 0 << 0 << 0 << 0;
    }

    void countsLabelsAndSheets()
    {
        QFETCH(PlateKind, kind);
        QFETCH(int, start);
        QFETCH(int, plates);
        StockPositionPicture picture;
        picture.showSheet(kind, start, plates);
        QCOMPARE(picture.usedUp(), start - 1);
        QTEST(picture.printedOnFirstSheet(), "printedOnFirstSheet");
        QTEST(picture.sheetCount(), "sheets");
        QTEST(picture.freeOnLastSheet(), "freeOnLastSheet");
        QFETCH(int, sheets);
        QVERIFY(picture.toolTip().contains(u"用紙 %1 枚"_qs.arg(sheets)));
    }
};

QTEST_MAIN(StockPositionPictureTest)
#include "StockPositionPictureTest.moc"
