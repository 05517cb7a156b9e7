#pragma once

#include "XmlPartFilter.h"
#include "ZipParts.h"

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <memory>

// A part of a workbook as XML, read as it is inflated through the XML part
// filter, with the damaged-file message for anything unreadable. An empty
// part counts as none.
class PartXml {
public:
    PartXml(ZipParts& zip, const QString& name);
    bool exists() const { return part_ && part_->declaredSize() > 0; }
    QXmlStreamReader& xml() { return xml_; }
    // Only present when exists().
    XmlPartFilter& filter() { return *filter_; }
    // Call after reading: throws when the part's data or its XML was broken.
    void check() const;
    // Reading stopped before the end: the rest is inflated all the same, so
    // that its checksum is checked, but not parsed.
    void checkRest();
    [[noreturn]] void fail(const QString& detail) const;

private:
    ZipParts& zip_;
    QString name_;
    std::unique_ptr<ZipParts::Part> part_;
    std::unique_ptr<XmlPartFilter> filter_;
    QXmlStreamReader xml_;
};

// What the workbook parts' elements are read with.
namespace XlsxXml {

bool isStart(const QXmlStreamReader& xml, QStringView name);
// An attribute by its local name, so that any namespace prefix (r:id) is accepted.
QString attribute(const QXmlStreamAttributes& attributes, QStringView name);
// The text of a string item (<si> or <is>), read to its end: its own <t>,
// or its rich-text runs joined; phonetic guides (<rPh>) are no part of it.
QString readStringItem(QXmlStreamReader& xml);

} // namespace XlsxXml
