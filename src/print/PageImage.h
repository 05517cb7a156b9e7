#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class PageSource;

// A page drawn for the screen by the same painters that print it.
namespace PageImage {

// The paper's size in pixels at `pixelsPerMillimetre` (A4 portrait).
QSize paperPixels(double pixelsPerMillimetre);

// `part` of page `page` (1-based) of a paper drawn `paper` pixels large, on
// white: the image holds only that part, so a page zoomed far beyond the
// screen costs no more memory than the part in view.
QImage draw(const PageSource& pages, int page, QSize paper, QRect part);

} // namespace PageImage
