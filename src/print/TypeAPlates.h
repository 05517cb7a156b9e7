#pragma once

#include "PageSource.h"
#include "PlateSequence.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QRect>
#include <QString>
#include <array>

// Type A nameplates: six framed plates one under the other on an A4 page,
// item labels on the left, the record's texts beside them, the plate number
// right of the frame and short cut marks in both margins below each plate.
class TypeAPlates : public PageSource {
public:
    static constexpr int kPlatesPerPage = 6;
    static constexpr int kFirstPlateTop = 540;
    static constexpr int kPlatePitch = 980;

    // captions: lines 1..6 are the label captions f1..f6.
    TypeAPlates(const RecordSheet& sheet, const Settings& captions, TextOrder order,
                const PlateSelection& selection = {});

    // No pages at all without records.
    int pageCount() const override;
    void drawPage(LayoutSurface& surface, int page) const override;
    bool hasRecords() const override { return sheet_.outputRecordCount() > 0; }
    // One plate whose frame top is at plateTop, numbered `row` (0: no number).
    void drawPlate(LayoutSurface& surface, int plateTop, int row, const Record& record) const;

    // The frame of the plate at `position` (1..6), in layout units.
    static QRect plateFrame(int position);

    // A caption equal to its default text prints in a wider spaced form.
    static QString printedCaption(int n, const QString& caption);

private:
    void drawRoute(LayoutSurface& surface, int plateTop, const Record& record) const;

    const RecordSheet& sheet_;
    PlateSequence sequence_;
    std::array<QString, 6> captions_; // as typed, naming the lines
    std::array<QString, 6> labels_;   // as printed
    TextOrder order_;
};
