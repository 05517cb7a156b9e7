#pragma once

#include "AdjustedPages.h"
#include "FitCheck.h"
#include "LabelStockChoice.h"
#include "sheet/NameplateTexts.h"
#include "sheet/PlateSize.h"
#include "sheet/SettingsFile.h"

#include <functional>
#include <memory>
#include <variant>

// Everything an output takes besides the records. The window's output panel
// and tagrio-cli's options each fill one, and platesFor() turns it into
// plates, so the same choices make the same plates on both ways.
struct OutputOptions {
    TextOrder order = TextOrder::Standard;    // type A prints and their fit check
    PlateSize size = PlateSize::Trunk;        // type B workbook and preview
    // The company name and captions read at start. Captions edited since then
    // are kept apart for the settings file and take effect at the next start.
    Settings captions = Settings::defaults();
    QString noBoxText = QStringLiteral("No."); // first cell of every type B plate
    LabelStockChoice stock;
    // Asked for when each page is drawn: a window print learns its printer,
    // and so its adjustment, only in the print dialog.
    std::function<PageAdjustment()> adjustment = [] { return PageAdjustment{}; };
};

PlateKind plateKindOf(PlateSize size);

// The plates of one print or preview: what it prints where, ready to draw.
class PlatePrint {
public:
    PlatePrint(const RecordSheet& sheet, const OutputOptions& options, PlateKind kind, const PlateSelection& selection);
    PlatePrint(const PlatePrint&) = delete;
    PlatePrint& operator=(const PlatePrint&) = delete;

    PlateKind kind() const { return kind_; }
    const PlateSelection& selection() const { return selection_; }
    // The sheet rows printed, in order, each once.
    std::vector<int> rows() const { return rowsOf(selection_, sheet_); }
    // The pages with the printer's adjustment.
    const PageSource& pages() const { return adjusted_; }
    // The texts that run past their plates.
    std::vector<OverlongText> overlongTexts() const;

private:
    const RecordSheet& sheet_;
    PlateKind kind_;
    PlateSelection selection_;
    Settings captions_;
    TextOrder order_;
    QString noBoxText_;
    std::unique_ptr<PageSource> plates_;
    AdjustedPages adjusted_;
};

// The plates of kind `kind` that options make of sheet, or why they make none.
std::variant<std::unique_ptr<PlatePrint>, ChoiceProblem> platesFor(const OutputOptions& options,
                                                                    const RecordSheet& sheet, PlateKind kind);
