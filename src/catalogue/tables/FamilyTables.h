#pragma once

#include "catalogue/CableFamilies.h"

// The constant table of each family, one source file per family (CE shares
// CV's file and CEE shares CVT's, since they share hidden columns).
namespace FamilyTables {
CableTable iv();
CableTable cv();
CableTable ce();
CableTable cvt();
CableTable cee();
CableTable wl1();
CableTable vvfVv();
CableTable fp();
CableTable highVoltage();
CableTable cvv();
CableTable cvvS();
CableTable cpev();
CableTable aeHp();
CableTable coaxial();
CableTable audio();
CableTable other();
} // namespace FamilyTables
