#include "SamplePictures.h"

#include "PainterSurface.h"
#include "TypeAPlates.h"
#include "TypeBPlates.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

namespace {

Record sampleRecord()
{
    Record record;
    record[ColNumber] = QStringLiteral("1");
    record[ColFrom1] = QStringLiteral("受変電設備");
    record[ColFrom2] = QStringLiteral("LV-1");
    record[ColTo1] = QStringLiteral("電灯分電盤");
    record[ColTo2] = QStringLiteral("L-1F");
    record[ColCircuit] = QStringLiteral("L-1");
    record[ColCableType] = QStringLiteral("CVT 38sq");
    record[ColPurpose] = QStringLiteral("電灯幹線");
    record[ColConstructionDate] = QStringLiteral("令和6年4月1日");
    record[ColConstructor] = QStringLiteral("〇〇電設");
    record[ColManufactureYear] = QStringLiteral("2023年");
    return record;
}

// Draws `area` of a page (layout units) at one dot per layout unit on paper
// of 600 dpi, so the fonts keep their size against the plate, then scales the
// picture down to fit `size` on a white ground.
QPixmap drawScaled(QSize size, QRect area, const std::function<void(LayoutSurface&)>& draw)
{
    constexpr int kDotsPerMetre = static_cast<int>(kLayoutUnitsPerInch / 0.0254 + 0.5);
    QImage page(area.size(), QImage::Format_RGB32);
    page.setDotsPerMeterX(kDotsPerMetre);
    page.setDotsPerMeterY(kDotsPerMetre);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-area.topLeft());
        PainterSurface surface(painter, LayoutFactors{1, 1});
        draw(surface);
    }
    const QImage scaled = page.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled);
    return QPixmap::fromImage(picture);
}

} // namespace

QPixmap sampleTypeAPicture(QSize size)
{
    RecordSheet sheet;
    const Settings captions = Settings::defaults();
    const TypeAPlates plates(sheet, captions, TextOrder::Standard);
    const int top = TypeAPlates::kFirstPlateTop;
    // The frame with a little room around it, and the plate number on the right.
    return drawScaled(size, QRect(440, top - 50, 4100, 1030),
                      [&](LayoutSurface& surface) { plates.drawPlate(surface, top, 1, sampleRecord()); });
}

QPixmap sampleTypeBPicture(QSize size)
{
    RecordSheet sheet;
    const TypeBPlates plates(sheet, PlateSize::Trunk, QStringLiteral("No."));
    const QPoint base(0, 0);
    // The frame and the date line under it.
    return drawScaled(size, QRect(-40, -40, 1140, 660), [&](LayoutSurface& surface) {
        plates.drawPlateTexts(surface, base, sampleRecord());
        plates.drawPlateLines(surface, base);
    });
}
