#include "XlsxCellText.h"

#include "sheet/EraDate.h"

#include <QLocale>

#include <cmath>

namespace XlsxCellText {

QString number(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    const double magnitude = std::abs(value);
    const char form = (magnitude >= 1e-6 && magnitude < 1e21) ? 'f' : 'g';
    return QString::number(value, form, QLocale::FloatingPointShortest);
}

bool isDateFormat(int numberFormatId, QStringView formatCode)
{
    // Built-in date formats (the ones from 27 on are the Japanese-locale ones).
    if ((numberFormatId >= 14 && numberFormatId <= 17) || numberFormatId == 22
        || (numberFormatId >= 27 && numberFormatId <= 31) || (numberFormatId >= 34 && numberFormatId <= 36)
        || (numberFormatId >= 50 && numberFormatId <= 58))
        return true;
    // Look at the code's own letters only: not at quoted text, escaped
    // characters, [colour] or [$-411] sections, or the word General.
    const QString code = formatCode.toString().remove(QStringLiteral("General"), Qt::CaseInsensitive);
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char16_t c = QChar::toLower(code[i].unicode());
        const auto skipTo = [&](char16_t end) {
            while (++i < code.size() && code[i] != end) {}
        };
        if (c == u'"')
            skipTo(u'"');
        else if (c == u'[')
            skipTo(u']');
        else if (c == u'\\' || c == u'_' || c == u'*')
            ++i;
        else if (c == u'y' || c == u'd' || c == u'g')
            return true;
        else if (c == u'e' && !(i + 1 < code.size() && (code[i + 1] == u'+' || code[i + 1] == u'-')))
            return true; // the era year; E+ and E- are exponents
    }
    return false;
}

std::optional<QDate> dateOfSerial(double serial, bool dates1904)
{
    if (!(serial >= 0 && serial < 2958466)) // up to 9999-12-31; NaN fails too
        return std::nullopt;
    const auto days = static_cast<qint64>(std::floor(serial));
    if (dates1904)
        return QDate(1904, 1, 1).addDays(days);
    // The 1900 system counts a 29 February 1900 that never was: serials from
    // 61 on are one day ahead of a plain count.
    if (days < 1)
        return std::nullopt;
    return days < 61 ? QDate(1899, 12, 31).addDays(days) : QDate(1899, 12, 30).addDays(days);
}

QString eraDate(const QDate& date) { return EraDate::forDate(date).hizuke1; }

QString unescape(QString text)
{
    qsizetype at = text.indexOf(u"_x");
    while (at >= 0) {
        bool ok = false;
        const bool fits = at + 7 <= text.size() && text[at + 6] == u'_';
        const ushort unit = fits ? QStringView(text).sliced(at + 2, 4).toUShort(&ok, 16) : 0;
        if (ok) {
            text.replace(at, 7, QChar(unit));
            at = text.indexOf(u"_x", at + 1);
        } else {
            at = text.indexOf(u"_x", at + 2);
        }
    }
    return text;
}

} // namespace XlsxCellText
