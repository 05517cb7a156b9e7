#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <vector>

// Reading PDFs back with poppler-utils.
namespace PdfReadBack {

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ProcessRun run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

inline int pageCount(const QString& pdf)
{
    for (const QString& line : run(QStringLiteral("pdfinfo"), {pdf}).out.split(u'\n')) {
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// A word as pdftotext -bbox finds it: its top-left in points from the paper's corner.
struct Word {
    QString text;
    double x = 0;
    double y = 0;
    double right = 0; // the right edge of its box
};
using Page = std::vector<Word>;

inline std::vector<Page> words(const QString& pdf)
{
    const ProcessRun text = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<Page> pages;
    QXmlStreamReader xml(text.out);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            pages.emplace_back();
        } else if (xml.name() == u"word" && !pages.empty()) {
            const auto attributes = xml.attributes();
            const double x = attributes.value(QStringLiteral("xMin")).toDouble();
            const double y = attributes.value(QStringLiteral("yMin")).toDouble();
            const double right = attributes.value(QStringLiteral("xMax")).toDouble();
            pages.back().push_back({xml.readElementText(), x, y, right});
        }
    }
    return pages;
}

// Every word with exactly this text, top to bottom, each line left to right.
inline std::vector<Word> wordsOf(const Page& page, const QString& text)
{
    std::vector<Word> found;
    for (const Word& word : page) {
        if (word.text == text)
            found.push_back(word);
    }
    std::sort(found.begin(), found.end(), [](const Word& a, const Word& b) {
        return std::lround(a.y) != std::lround(b.y) ? a.y < b.y : a.x < b.x;
    });
    return found;
}

} // namespace PdfReadBack
