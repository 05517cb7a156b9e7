#pragma once

#include <QPixmap>
#include <QSize>

// The sample nameplates of the output panel, one plate with a made-up record,
// drawn by the same painters that print and scaled to fit the size given.
// Needs a running QGuiApplication.
QPixmap sampleTypeAPicture(QSize size);
QPixmap sampleTypeBPicture(QSize size);
