// SPDX-License-Identifier: MIT
#include "model/panel_catalogue.h"

#include <cstdio>
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

SliderRanges SliderRangesOf(int index) {
  const CatalogueEntry& entry = kCatalogue[index];
  const PanelKind kind = entry.kind;
  constexpr int kParameterMaximum = 99;
  constexpr int kSingleDigitMaximum = 9;
  return {entry.p1Maximum,
          kParameterMaximum,
          kind == PanelKind::kW ? kSingleDigitMaximum : kParameterMaximum,
          kSingleDigitMaximum,
          kind != PanelKind::kNone,
          kind == PanelKind::kV || kind == PanelKind::kW,
          kind == PanelKind::kW};
}

std::string ComposeCode(int index, int p1, int p2, int p3, int p4) {
  const CatalogueEntry& entry = kCatalogue[index];
  if (entry.kind == PanelKind::kNone) p1 = p3 = 0;
  char composed[100];
  switch (entry.kind) {
    case PanelKind::kV:
      std::snprintf(composed, sizeof composed, "%01d%02d%2s%02d", p1, p2, entry.letters, p3);
      break;
    case PanelKind::kW:
      std::snprintf(composed, sizeof composed, "%01d%02d%2s%01d%01d", p1, p2, entry.letters, p3,
                    p4);
      break;
    default:
      std::snprintf(composed, sizeof composed, "%03d%2s%02d", p1, entry.letters, p3);
      break;
  }
  return composed;
}

int CatalogueIndexOf(const char* letters) {
  if (std::strcmp(letters, "XX") == 0) return 0;
  for (int index = 0; index < kCatalogueSize; ++index) {
    if (std::strcmp(letters, kCatalogue[index].letters) == 0) return index;
  }
  return -1;
}

}  // namespace veltrisko
