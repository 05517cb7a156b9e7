#include "NameplateTexts.h"

#include <array>

const TextOrderInfo& textOrderInfo(TextOrder order)
{
    static const std::array<TextOrderInfo, 3> infos = {{
        {QStringLiteral("ケーブル名板【 標準 】"), QString(), QString()},
        {QStringLiteral("ケーブル名板【 自→至 】"), QStringLiteral("(自)"), QStringLiteral("(至)")},
        {QStringLiteral("ケーブル名板【 至→自 】"), QStringLiteral("(至)"), QStringLiteral("(自)")},
    }};
    return infos[static_cast<size_t>(order)];
}

namespace NameplateTexts {
namespace {

QString secondPart(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral(" ") + text;
}

} // namespace

QString routeText(const Record& record, TextOrder order)
{
    if (record[ColFrom1].isEmpty() && record[ColFrom2].isEmpty() && record[ColTo1].isEmpty()
        && record[ColTo2].isEmpty())
        return {};
    const TextOrderInfo& info = textOrderInfo(order);
    return info.firstMarker + record[ColFrom1] + secondPart(record[ColFrom2]) + QStringLiteral(" ～ ")
        + info.secondMarker + record[ColTo1] + secondPart(record[ColTo2]);
}

TwoLineRoute twoLineRouteText(const Record& record, TextOrder order)
{
    const TextOrderInfo& info = textOrderInfo(order);
    const QString tilde = QStringLiteral(" ～ ");
    return {info.firstMarker + record[ColFrom1] + secondPart(record[ColFrom2]) + tilde,
            (order == TextOrder::Standard ? tilde : QString()) + info.secondMarker + record[ColTo1]
                + secondPart(record[ColTo2])};
}

QString circuitText(const Record& record)
{
    if (record[ColCircuit].isEmpty())
        return record[ColCableType];
    return QStringLiteral("【 ") + record[ColCircuit] + QStringLiteral(" 】 ") + record[ColCableType];
}

QString dateLine(const Record& record)
{
    return record[ColConstructionDate] + QStringLiteral(" / ") + record[ColConstructor];
}

} // namespace NameplateTexts
