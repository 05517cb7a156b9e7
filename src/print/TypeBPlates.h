#pragma once

#include "PageSource.h"
#include "PlateSequence.h"
#include "TypeBGeometry.h"
#include "sheet/RecordSheet.h"

#include <QPoint>
#include <QRect>
#include <QString>

// Type B nameplates: small plates of three strips, three across, each inside
// its cut lines, in trunk or branch size.
class TypeBPlates : public PageSource {
public:
    // noBoxText begins every plate (the entry form's No. box, "No." unless cleared).
    TypeBPlates(const RecordSheet& sheet, PlateSize size, QString noBoxText, const PlateSelection& selection = {});

    // At least one page, even without records.
    int pageCount() const override;
    void drawPage(LayoutSurface& surface, int page) const override;
    bool hasRecords() const override { return sheet_.outputRecordCount() > 0; }

    // The texts and the lines of one plate whose base point is `base`.
    void drawPlateTexts(LayoutSurface& surface, QPoint base, const Record& record) const;
    void drawPlateLines(LayoutSurface& surface, QPoint base) const;

    // The frame of the plate at `position` (1.., across then down), in layout units.
    static QRect plateFrame(PlateSize size, int position);
    // The base point of the plate at `position`.
    static QPoint plateBase(const TypeBGeometry& geometry, int position);

    // Offset of a date line from its anchor by its character count.
    static int dateLineOffset(int characters);

private:
    void drawCounted(LayoutSurface& surface, QPoint base, const CountedText& cell, const QString& text) const;
    void drawByWidth(LayoutSurface& surface, QPoint base, const WidthText& cell, const QString& text) const;
    void drawDateLine(LayoutSurface& surface, QPoint base, const Record& record) const;

    const RecordSheet& sheet_;
    const TypeBGeometry& geometry_;
    PlateSequence sequence_;
    QString noBoxText_;
};
