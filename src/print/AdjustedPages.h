#pragma once

#include "PageAdjustment.h"
#include "PageSource.h"

#include <functional>

// Pages drawn with a printer's adjustment. The adjustment is asked for when
// each page is drawn, because it belongs to the printer the user picks in the
// print dialog, after the pages were made.
class AdjustedPages : public PageSource {
public:
    AdjustedPages(const PageSource& pages, std::function<PageAdjustment()> adjustment)
        : pages_(pages), adjustment_(std::move(adjustment))
    {
    }

    int pageCount() const override { return pages_.pageCount(); }
    bool hasRecords() const override { return pages_.hasRecords(); }
    void drawPage(LayoutSurface& surface, int page) const override;

private:
    const PageSource& pages_;
    std::function<PageAdjustment()> adjustment_;
};
