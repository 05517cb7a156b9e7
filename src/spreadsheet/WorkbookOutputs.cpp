#include "WorkbookOutputs.h"

#include "TemplateSheet.h"
#include "TypeASheet.h"
#include "TypeBSheet.h"
#include "WorkbookHandOff.h"

namespace {

// Past 1,023 pages the type B plates go on on further sheets; the user is told.
QString splitNotice(int pages, int sheets)
{
    return QStringLiteral("ページ数が %1 ページと多いため、%2 枚のシートに分けて作成しました"
                          "（1 枚のシートは %3 ページまで）。")
        .arg(pages)
        .arg(sheets)
        .arg(TypeBSheet::kMaxPagesPerSheet);
}

} // namespace

std::optional<WorkbookOutput> workbookOutput(WorkbookKind kind, const RecordSheet& records, const Settings& captions,
                                             const QString& noBoxText, PlateSize size, const EraDate& today)
{
    const int recordCount = records.outputRecordCount();
    switch (kind) {
    case WorkbookKind::Template:
        return WorkbookOutput{QString::fromUtf16(WorkbookHandOff::kTemplateFileName), TemplateSheet::kProgressSteps,
                              [&captions, &today](Workbook& workbook, const ProgressStep& step) {
                                  TemplateSheet::build(workbook, captions.companyName(), today, step);
                              },
                              {}};
    case WorkbookKind::TypeA:
        if (recordCount <= 0)
            return std::nullopt;
        return WorkbookOutput{QString::fromUtf16(WorkbookHandOff::kTypeAFileName),
                              TypeASheet::progressMaximum(recordCount),
                              [&records, &captions](Workbook& workbook, const ProgressStep& step) {
                                  TypeASheet::build(workbook, records, captions, step);
                              },
                              {}};
    case WorkbookKind::TypeB: {
        if (recordCount <= 0)
            return std::nullopt;
        const int sheets = TypeBSheet::sheetCount(recordCount);
        return WorkbookOutput{QString::fromUtf16(WorkbookHandOff::kTypeBFileName),
                              TypeBSheet::progressMaximum(recordCount, size),
                              [&records, &noBoxText, size](Workbook& workbook, const ProgressStep& step) {
                                  TypeBSheet::build(workbook, records, noBoxText, size, step);
                              },
                              sheets > 1 ? splitNotice(TypeBSheet::pageCount(recordCount), sheets) : QString()};
    }
    }
    return std::nullopt;
}

QString noRecordsMessage() { return QStringLiteral("出力するレコードがありません。"); }
