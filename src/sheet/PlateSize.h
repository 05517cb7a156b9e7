#pragma once

// The two sizes of type B nameplates, shared by the workbook and the printed
// plates: trunk (about 50 x 33 mm) and branch (about 42 x 21 mm).
enum class PlateSize { Trunk, Branch };
