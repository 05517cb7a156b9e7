#include "TableHeadings.h"

#include <QHash>

#include <algorithm>
#include <initializer_list>

namespace TableHeadings {
namespace {

struct Synonyms {
    std::vector<int> columns;
    std::initializer_list<const char16_t*> words;
};

// Folded spellings (see fold) of each column's headings.
const QHash<QString, std::vector<int>>& headingTable()
{
    static const QHash<QString, std::vector<int>> table = [] {
        const Synonyms synonyms[] = {
            {{ColNumber}, {u"no", u"番号", u"連番", u"通し番号", u"#"}},
            {{ColFrom1, ColFrom2}, {u"自", u"from", u"起点", u"発"}},
            {{ColFrom1}, {u"自name1", u"自1", u"from1", u"起点1"}},
            {{ColFrom2}, {u"自name2", u"自2", u"from2", u"起点2"}},
            {{ColTo1, ColTo2}, {u"至", u"to", u"行き先", u"行先", u"終点"}},
            {{ColTo1}, {u"至name1", u"至1", u"to1", u"行き先1", u"行先1", u"終点1"}},
            {{ColTo2}, {u"至name2", u"至2", u"to2", u"行き先2", u"行先2", u"終点2"}},
            {{ColCircuit}, {u"回路番号", u"回路", u"回路no", u"circuit", u"circuitno"}},
            {{ColCableType}, {u"ケーブル種類", u"種類", u"ケーブル", u"ケーブル種別", u"種別", u"cabletype", u"type"}},
            {{ColPurpose}, {u"用途", u"purpose"}},
            {{ColConstructionDate}, {u"施行年月日", u"施工年月日", u"施工日", u"施行日", u"年月日", u"日付", u"date"}},
            {{ColConstructor}, {u"施行者名", u"施工者名", u"施工者", u"施行者", u"施工会社", u"constructor"}},
            {{ColManufactureYear}, {u"製造年", u"製造年月", u"製造年度", u"year"}},
        };
        QHash<QString, std::vector<int>> result;
        for (const Synonyms& s : synonyms) {
            for (const char16_t* word : s.words)
                result.insert(fold(QString::fromUtf16(word)), s.columns);
        }
        // The record sheet's own headings always name their own column.
        for (int column = 0; column < kColumnCount; ++column)
            result.insert(fold(RecordSheet::headerTexts()[static_cast<size_t>(column)]), {column});
        return result;
    }();
    return table;
}

bool isLeftOut(QChar c)
{
    // Not the katakana long-vowel mark ー, which is part of words (ケーブル).
    static const QString marks = QStringLiteral("()[]{}【】「」<>.-_‐−―・:");
    return c.isSpace() || marks.contains(c);
}

} // namespace

QString fold(QStringView heading)
{
    // NFKC turns half-width katakana and full-width letters into their
    // ordinary forms and № into "No".
    const QString normal = heading.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString key;
    key.reserve(normal.size());
    for (const QChar c : normal) {
        if (!isLeftOut(c))
            key += c;
    }
    return key;
}

std::vector<int> candidatesFor(QStringView heading)
{
    return headingTable().value(fold(heading));
}

std::vector<int> recordColumnsOf(const Record& row)
{
    std::vector<int> result(row.size(), -1);
    std::array<bool, kColumnCount> claimed{};
    for (size_t column = 0; column < row.size(); ++column) {
        for (const int candidate : candidatesFor(row[column])) {
            if (!claimed[static_cast<size_t>(candidate)]) {
                claimed[static_cast<size_t>(candidate)] = true;
                result[column] = candidate;
                break;
            }
        }
    }
    return result;
}

} // namespace TableHeadings
