#pragma once

#include "../sheet/TestSupport.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

// Lines of a tab-separated fixture under tests/data/catalogue, split into fields.
inline std::vector<QStringList> readCatalogueFixture(const QString& name)
{
    QFile file(QStringLiteral(TAGRIO_TEST_DATA "/catalogue/") + name);
    std::vector<QStringList> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        lines.push_back(line.split(u'\t'));
    return lines;
}
