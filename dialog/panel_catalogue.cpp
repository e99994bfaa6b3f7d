// SPDX-License-Identifier: MIT
#include "dialog/panel_catalogue.h"

#include <cstring>

namespace veltrisko {
namespace {

constexpr CatalogueEntry kCatalogue[kCatalogueSize] = {
    {"ND", PanelKind::kNone, 100},
    {"EA", PanelKind::kHalfPower, 65},
    {"EB", PanelKind::kHalfPower, 79},
    {"EC", PanelKind::kHalfPower, 96},
    {"DE", PanelKind::kHalfPower, 65},
    {"LA", PanelKind::kHalfPower, 120},
    {"KA", PanelKind::kConstriction, 100},
    {"CA", PanelKind::kConstriction, 100},
    {"CB", PanelKind::kConstriction, 100},
    {"CC", PanelKind::kConstriction, 100},
    {"VA", PanelKind::kV, 9},
    {"VB", PanelKind::kV, 9},
    {"VC", PanelKind::kV, 9},
    {"VD", PanelKind::kV, 9},
    {"VE", PanelKind::kV, 9},
    {"VF", PanelKind::kV, 9},
    {"VG", PanelKind::kV, 9},
    {"VH", PanelKind::kV, 9},
    {"VI", PanelKind::kV, 9},
    {"WA", PanelKind::kW, 9},
    {"WB", PanelKind::kW, 9},
    {"WC", PanelKind::kW, 9},
    {"WD", PanelKind::kW, 9},
    {"WE", PanelKind::kW, 9},
    {"WF", PanelKind::kW, 9},
    {"WG", PanelKind::kW, 9},
    {"WH", PanelKind::kW, 9},
    {"WI", PanelKind::kW, 9},
    {"TA", PanelKind::kTa, 890},
};

}  // namespace

const CatalogueEntry& CatalogueEntryAt(int index) { return kCatalogue[index]; }

int CatalogueIndexOf(const char* letters) {
  if (std::strcmp(letters, "XX") == 0) return 0;
  for (int index = 0; index < kCatalogueSize; ++index) {
    if (std::strcmp(letters, kCatalogue[index].letters) == 0) return index;
  }
  return -1;
}

}  // namespace veltrisko
