#pragma once

#include <QtGlobal>

// Calls add(start, size) for every line of the text, by the program's rules
// for text files: CR LF, a lone LF or a lone CR ends a line, and a final line
// break makes no extra line. Unit is a UTF-16 unit, or a byte of an encoding
// in which CR and LF bytes stand only for themselves (Shift_JIS, UTF-8).
template <typename Unit, typename Add>
void forEachLine(const Unit* data, qsizetype size, Add add)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const Unit unit = data[i];
        if (unit != Unit('\r') && unit != Unit('\n'))
            continue;
        add(start, i - start);
        if (unit == Unit('\r') && i + 1 < size && data[i + 1] == Unit('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        add(start, size - start);
}
