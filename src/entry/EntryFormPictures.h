#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

// The form's face: Tahoma where installed, else a free Japanese gothic face.
QFont entryFormFont(int pixelSize, bool bold = false);

// The help panel's picture: how the form is used, in short.
QPixmap entryHelpPicture(QSize size);
// The small emblem: a nameplate with its three strips.
QPixmap entrySmallPicture(QSize size);
