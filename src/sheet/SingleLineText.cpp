#include "SingleLineText.h"

#include <algorithm>

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029);
}

QString toSingleLine(const QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), isLineBreak))
        return text;
    qsizetype end = text.size();
    while (end > 0 && isLineBreak(text[end - 1]))
        --end;
    QString line;
    line.reserve(end);
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (!isLineBreak(c)) {
            line.append(c);
            continue;
        }
        line.append(u' ');
        if (c == u'\r' && i + 1 < end && text[i + 1] == u'\n')
            ++i;
    }
    return line;
}

bool breaksFileLine(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
}
