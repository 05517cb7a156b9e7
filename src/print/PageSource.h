#pragma once

class LayoutSurface;

// A document of nameplate pages, drawn one page at a time so that a long
// document never has to be held in memory.
class PageSource {
public:
    virtual ~PageSource() = default;
    virtual int pageCount() const = 0;
    // page runs from 1 to pageCount().
    virtual void drawPage(LayoutSurface& surface, int page) const = 0;
    // False when the pages would only show empty plates: there is nothing to print.
    virtual bool hasRecords() const { return true; }
};
