#pragma once

#include <QPixmap>
#include <QSize>

// The main window's pictures, drawn by the program itself.
namespace MainWindowPictures {

// How to use the main window, in a few numbered steps.
QPixmap helpPicture(QSize size);
// A small cable nameplate.
QPixmap smallIcon(QSize size);

} // namespace MainWindowPictures
