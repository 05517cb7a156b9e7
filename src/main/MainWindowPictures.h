#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

#include <vector>

// The main window's pictures, drawn by the program itself.
namespace MainWindowPictures {

// How to use the main window: the list's commands on the left, the outputs
// on the right, each a numbered heading and a few lines.
QPixmap helpPicture(QSize size);
// Where helpPicture draws each heading and each text, so that a test can
// see that none runs out of the picture or into another.
std::vector<QRect> helpTextBoxes(QSize size);
// A small cable nameplate.
QPixmap smallIcon(QSize size);

} // namespace MainWindowPictures
