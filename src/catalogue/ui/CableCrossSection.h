#pragma once

#include <QPixmap>

// The catalogue's small picture: a three-core cable cut across.
QPixmap cableCrossSection(int size);
