#pragma once

#include <QDate>
#include <QString>

// A date in the Japanese era calendar: era name (gengou), era year (nen) and
// the full date (hizuke1). The era year is a plain number: 令和1年, never 元年.
struct EraDate {
    QString gengou;
    QString nen;
    QString hizuke1;

    static EraDate forDate(const QDate& date);
    // The default cable manufacture year: era name, era year and 年.
    QString manufactureYear() const { return gengou + nen + QStringLiteral("年"); }
};
