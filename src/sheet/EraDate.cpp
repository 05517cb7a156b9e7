#include "EraDate.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <stdexcept>

EraDate EraDate::forDate(const QDate& date)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale("ja_JP@calendar=japanese");
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::createTimeZone("Asia/Tokyo"), locale, status));
    if (U_FAILURE(status))
        throw std::runtime_error("Japanese calendar unavailable");
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, date.year());
    calendar->set(UCAL_MONTH, date.month() - 1);
    calendar->set(UCAL_DATE, date.day());
    const int32_t era = calendar->get(UCAL_ERA, status);
    const int32_t year = calendar->get(UCAL_YEAR, status);
    // Era names come from the symbols: any ICU pattern with 年 writes year 1 as 元.
    const icu::DateFormatSymbols symbols(locale, "japanese", status);
    if (U_FAILURE(status))
        throw std::runtime_error("Japanese era names unavailable");
    int32_t eraCount = 0;
    const icu::UnicodeString* names = symbols.getEraNames(eraCount);
    if (era < 0 || era >= eraCount)
        throw std::runtime_error("era out of range");

    EraDate result;
    result.gengou = QString(reinterpret_cast<const QChar*>(names[era].getBuffer()), names[era].length());
    result.nen = QString::number(year);
    result.hizuke1 = result.gengou + result.nen + QStringLiteral("年") + QString::number(date.month())
        + QStringLiteral("月") + QString::number(date.day()) + QStringLiteral("日");
    return result;
}
