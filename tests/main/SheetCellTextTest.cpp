// The record sheet's columns keep their widths; the texts they were made for
// (an era date of any day, the sample list's texts) show whole in them.
#include "main/MainWindowRules.h"
#include "main/SheetCellDelegate.h"
#include "sheet/EraDate.h"
#include "sheet/RecordFile.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

namespace {

constexpr int kSheetPixelSize = 11;

// What a column leaves for its text: the grid line on its right and the
// delegate's margin on the side the text starts from.
int roomIn(int column)
{
    return MainWindowRules::kCreationColumnWidths[static_cast<size_t>(column)] - 1 - SheetCellDelegate::kTextMargin;
}

} // namespace

class SheetCellTextTest : public QObject {
    Q_OBJECT
    const QFont font = SheetCellDelegate::cellFont(kSheetPixelSize);
    const QFontMetrics metrics{font};

private Q_SLOTS:
    void theCellFaceIsInstalled()
    {
        // A missing face would fall back to one with wider digits.
        QVERIFY2(font.families().contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
    }

    void anEraDateOfAnyDayShowsWhole()
    {
        // The last day of every month: every era, year, month and two-digit day.
        QString widest;
        for (QDate month(1989, 1, 1); month.year() < 2100; month = month.addMonths(1)) {
            const QString date = EraDate::forDate(month.addDays(month.daysInMonth() - 1)).hizuke1;
            if (metrics.horizontalAdvance(date) > metrics.horizontalAdvance(widest))
                widest = date;
        }
        QVERIFY2(metrics.horizontalAdvance(widest) <= roomIn(ColConstructionDate),
                 qPrintable(QStringLiteral("%1: %2 px").arg(widest).arg(metrics.horizontalAdvance(widest))));
    }

    void theSampleListsTextsShowWhole()
    {
        QString company;
        RecordSheet sheet;
        RecordFile::load(QStringLiteral(TAGRIO_SAMPLES "/sample.kav"), company, sheet);
        QVERIFY(sheet.recordCount > 0);
        QStringList cut;
        for (int r = 1; r <= sheet.recordCount; ++r) {
            for (int c = 0; c < 11; ++c) {
                const QString text = sheet.cell(c, r);
                if (metrics.horizontalAdvance(text) > roomIn(c))
                    cut << QStringLiteral("%1 (%2 px)").arg(text).arg(metrics.horizontalAdvance(text));
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }

    void aCutTextEndsInAnEllipsis()
    {
        const QString text = u"1F電灯分電盤 L-1"_qs;
        const int whole = metrics.horizontalAdvance(text) + SheetCellDelegate::kTextMargin;
        // A text that fits to the pixel is drawn as it is.
        QCOMPARE(SheetCellDelegate::shownText(metrics, text, whole), text);
        const QString cut = SheetCellDelegate::shownText(metrics, text, whole - 1);
        QVERIFY2(cut.endsWith(u'…') && text.startsWith(cut.chopped(1)), qPrintable(cut));
        QVERIFY(metrics.horizontalAdvance(cut) <= whole - 1 - SheetCellDelegate::kTextMargin);
    }
};

QTEST_MAIN(SheetCellTextTest)
#include "SheetCellTextTest.moc"
