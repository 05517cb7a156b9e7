#pragma once

struct CableFamily;
class CatalogueGrid;

// Replaces the grid's content by the family's table (rows 1 to N, all eight
// columns cleared first, the header row untouched) and positions the grid as
// the family says.
void loadCableFamily(CatalogueGrid& grid, const CableFamily& family);
