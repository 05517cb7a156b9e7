#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

// The help panel's picture: how the form is used, in short.
QPixmap entryHelpPicture(QSize size);
// The small emblem: a nameplate with its three strips.
QPixmap entrySmallPicture(QSize size);
