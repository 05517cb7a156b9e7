#include "CatalogueTestSupport.h"
#include "catalogue/CableFamilies.h"
#include "catalogue/CableFamilyLoader.h"
#include "catalogue/CatalogueGrid.h"

#include <utility>

namespace {

const CableFamily& family(const QString& caption)
{
    return *findCableFamily(caption);
}

std::pair<int, int> position(const CatalogueGrid& grid)
{
    return {grid.currentRow(), grid.firstVisibleRow()};
}

// 100 rows below the header, 15 of them shown.
void makeHundredRows(CatalogueGrid& grid)
{
    grid.setVisibleRowCount(15);
    grid.setGridRowCount(101);
}

TEST(CatalogueGrid, MakingARowCurrentScrollsByTheLeastAmount)
{
    CatalogueGrid grid;
    makeHundredRows(grid);
    EXPECT_EQ(position(grid), std::make_pair(1, 1));

    grid.makeCurrent(43); // below the view: it becomes the last row shown
    EXPECT_EQ(position(grid), std::make_pair(43, 29));
    grid.makeCurrent(30); // in view: only the highlight moves
    EXPECT_EQ(position(grid), std::make_pair(30, 29));
    grid.makeCurrent(10); // above the view: it becomes the first row shown
    EXPECT_EQ(position(grid), std::make_pair(10, 10));
    grid.makeCurrent(500); // past the end: the last row
    EXPECT_EQ(position(grid), std::make_pair(100, 86));

    // Making the current row current again does nothing, even out of view.
    grid.setFirstVisibleRow(1);
    grid.makeCurrent(100);
    EXPECT_EQ(position(grid), std::make_pair(100, 1));

    grid.setFirstVisibleRow(95); // never past the last full page
    EXPECT_EQ(grid.firstVisibleRow(), 86);
    grid.setCurrentRow(3); // the highlight alone
    EXPECT_EQ(position(grid), std::make_pair(3, 86));
}

TEST(CatalogueGrid, ShrinkingKeepsTheCurrentAndFirstVisibleRowsInsideTheTable)
{
    CatalogueGrid grid;
    makeHundredRows(grid);
    grid.setCell(0, 40, u"old"_qs);
    grid.makeCurrent(100);
    grid.makeCurrent(81);
    ASSERT_EQ(position(grid), std::make_pair(81, 81));

    grid.setGridRowCount(33);
    EXPECT_EQ(grid.gridRowCount(), 33);
    EXPECT_EQ(grid.rowCount(), 32);
    EXPECT_EQ(position(grid), std::make_pair(32, 18));

    grid.setGridRowCount(101); // rows that come back are empty
    EXPECT_EQ(grid.cell(0, 40), QString());
    EXPECT_EQ(position(grid), std::make_pair(32, 18));
}

TEST(CatalogueGrid, TheHeaderRowAndCellsOutsideTheGridStayEmpty)
{
    CatalogueGrid grid;
    makeHundredRows(grid);
    grid.setCell(0, 0, u"header"_qs);
    grid.setCell(8, 1, u"column 8"_qs);
    grid.setCell(0, 101, u"row 101"_qs);
    EXPECT_EQ(grid.cell(0, 0), QString());
    EXPECT_EQ(grid.cell(8, 1), QString());
    EXPECT_EQ(grid.cell(0, 101), QString());
    EXPECT_EQ(grid.cell(-1, -1), QString());
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(grid.headerData(column, Qt::Horizontal).toString(), QString());
}

// From FP with row 81 current and at the top, each family lands where its
// positioning rule puts it.
TEST(CableFamilyLoading, EachFamilyPositionsTheGridAsItsRuleSays)
{
    struct Case {
        QString caption;
        int current;
        int firstVisible;
    };
    const Case cases[]{
        {u"IV"_qs, 1, 1},        // 14 is current already (row 81 fell to 14), then 1
        {u"CV"_qs, 30, 30},      {u"CE"_qs, 30, 30},
        {u"CVT"_qs, 13, 13},     {u"CEE"_qs, 13, 13},
        {u"WL1"_qs, 1, 1},       {u"VVF , VV"_qs, 1, 1},
        {u"FP"_qs, 81, 81},      {u"高圧ケーブル"_qs, 81, 81},
        {u"CVV"_qs, 13, 13},     {u"CVV-S"_qs, 1, 1},
        {u"CPEV"_qs, 27, 27},    {u"AE,HP"_qs, 81, 1},
        {u"同軸"_qs, 32, 18},    {u"音響用特殊ケーブル"_qs, 81, 71},
        {u"その他"_qs, 1, 1},
    };
    for (const Case& c : cases) {
        CatalogueGrid grid;
        grid.setVisibleRowCount(15);
        loadCableFamily(grid, family(u"FP"_qs));
        ASSERT_EQ(position(grid), std::make_pair(81, 81));

        loadCableFamily(grid, family(c.caption));
        EXPECT_EQ(position(grid), std::make_pair(c.current, c.firstVisible)) << c.caption.toStdString();
        EXPECT_EQ(grid.gridRowCount(), family(c.caption).rowCount() + 1) << c.caption.toStdString();
    }
}

TEST(CableFamilyLoading, ALoadReplacesEveryColumnAndNeverTheHeaderRow)
{
    CatalogueGrid grid;
    loadCableFamily(grid, family(u"CV"_qs));
    loadCableFamily(grid, family(u"IV"_qs));
    const CableFamily& iv = family(u"IV"_qs);
    ASSERT_EQ(grid.gridRowCount(), 15);
    for (int row = 1; row <= 14; ++row) {
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(grid.cell(column, row), iv.value(column, row)) << row << ',' << column;
        for (int column = 5; column < 8; ++column)
            EXPECT_TRUE(grid.cell(column, row).isEmpty());
    }
    EXPECT_EQ(grid.cell(3, 1), u"19");
    for (int column = 0; column < 8; ++column)
        EXPECT_TRUE(grid.cell(column, 0).isEmpty());
}

TEST(CableFamilyLoading, LoadingAFamilyTwiceGivesTheSameGrid)
{
    for (const CableFamily& f : cableFamilies()) {
        CatalogueGrid grid;
        loadCableFamily(grid, f);
        const auto first = position(grid);
        QStringList cells;
        for (int row = 0; row < grid.gridRowCount(); ++row) {
            for (int column = 0; column < 8; ++column)
                cells << grid.cell(column, row);
        }
        loadCableFamily(grid, f);
        QStringList again;
        for (int row = 0; row < grid.gridRowCount(); ++row) {
            for (int column = 0; column < 8; ++column)
                again << grid.cell(column, row);
        }
        EXPECT_EQ(again, cells) << f.caption.toStdString();
        if (f.positioning.kind == FamilyPositioning::Kind::CurrentRows) {
            EXPECT_EQ(position(grid), first) << f.caption.toStdString();
        }
    }
}

TEST(CableFamilyLoading, CvtAtStartThenHighVoltageKeepsRow13AndTheViewFromRow10)
{
    CatalogueGrid grid;
    grid.setVisibleRowCount(15);
    loadCableFamily(grid, initialCableFamily());
    grid.setFirstVisibleRow(10);
    EXPECT_EQ(position(grid), std::make_pair(13, 10));
    EXPECT_EQ(grid.cell(0, 10), u"CVD 325sq");
    EXPECT_EQ(grid.cell(0, 13), u"CVT 8sq");

    loadCableFamily(grid, family(u"高圧ケーブル"_qs));
    EXPECT_EQ(position(grid), std::make_pair(13, 10));
    EXPECT_EQ(grid.cell(0, 120), u"6.6KV NH-FP 600sq-1C");
    EXPECT_EQ(grid.cell(5, 1), QString()); // CVT's column 5 is gone
}

} // namespace
