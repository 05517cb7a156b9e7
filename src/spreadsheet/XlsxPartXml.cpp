#include "XlsxPartXml.h"

#include "XlsxCellText.h"
#include "sheet/Failure.h"

PartXml::PartXml(ZipParts& zip, const QString& name) : zip_(zip), name_(name), part_(zip.open(name))
{
    if (!exists())
        return;
    filter_ = std::make_unique<XmlPartFilter>(*part_);
    xml_.setDevice(filter_.get());
}

void PartXml::check() const
{
    if (!exists())
        return;
    if (part_->failed())
        throw Failure(zip_.damagedMessage(name_));
    if (filter_->tokenTooLong())
        fail(QStringLiteral("%1 MB を超える文字やタグの並びがあります").arg(XmlPartFilter::kMaxTokenSize / (1024 * 1024)));
    // The XML reader's own message is English and says nothing a user can act on.
    if (xml_.hasError())
        throw Failure(zip_.damagedMessage(QStringLiteral("%1 の %2 行目").arg(name_).arg(xml_.lineNumber())));
}

void PartXml::checkRest()
{
    if (exists() && !xml_.hasError()) {
        QByteArray piece(qsizetype(1) << 16, Qt::Uninitialized);
        while (part_->read(piece.data(), piece.size()) > 0) {}
    }
    check();
}

void PartXml::fail(const QString& detail) const
{
    throw Failure(zip_.damagedMessage(QStringLiteral("%1: %2").arg(name_, detail)));
}

namespace XlsxXml {

bool isStart(const QXmlStreamReader& xml, QStringView name)
{
    return xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == name;
}

QString attribute(const QXmlStreamAttributes& attributes, QStringView name)
{
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.name() == name)
            return a.value().toString();
    }
    return {};
}

QString readStringItem(QXmlStreamReader& xml)
{
    const QString itemName = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, u"rPh"))
            xml.skipCurrentElement();
        else if (isStart(xml, u"t"))
            text += xml.readElementText();
        else if (xml.tokenType() == QXmlStreamReader::EndElement && xml.name() == itemName)
            break;
    }
    return XlsxCellText::unescape(std::move(text));
}

} // namespace XlsxXml
