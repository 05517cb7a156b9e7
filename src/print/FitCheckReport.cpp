#include "FitCheckReport.h"

#include <QStringList>

QString fitCheckReport(const OutputOptions& options, const RecordSheet& sheet, const std::vector<PlateKind>& kinds)
{
    OutputOptions checked = options;
    checked.stock.startPosition = 1;
    QStringList findings;
    for (const PlateKind kind : kinds) {
        auto plates = platesFor(checked, sheet, kind);
        if (const ChoiceProblem* problem = std::get_if<ChoiceProblem>(&plates))
            return problem->message;
        const std::vector<OverlongText> overlong = std::get<std::unique_ptr<PlatePrint>>(plates)->overlongTexts();
        findings << (overlong.empty() ? QStringLiteral("%1: すべての文字が枠に収まっています。").arg(plateKindName(kind))
                                      : QStringLiteral("%1: 枠からはみ出す文字があります。\n").arg(plateKindName(kind))
                                            + overlongReport(overlong));
    }
    return findings.join(QStringLiteral("\n\n"));
}
