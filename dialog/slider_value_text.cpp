// SPDX-License-Identifier: MIT
#include "dialog/slider_value_text.h"

#include <cstdio>

#include "dialog/panel_catalogue.h"

namespace veltrisko {

namespace {

// What a type is, after its letters; V and W name their back field (the
// second letter A..I gives 0 .. 0,4).
const char* TypeMeaning(int typeIndex, PanelKind kind) {
  switch (kind) {
    case PanelKind::kNone:
      return "ungerichtet";
    case PanelKind::kHalfPower:
      switch (typeIndex) {
        case 2:
          return "gerichtet, Rückfeld 0,2";
        case 3:
          return "gerichtet, Rückfeld 0,4";
        case 4:
          return "vorn und hinten gleich";
        case 5:
          return "gerichtet, ohne Rückkeule";
        default:
          return "gerichtet";
      }
    case PanelKind::kConstriction:
      switch (typeIndex) {
        case 6:
          return "Einschnürung nach hinten";
        case 7:
          return "zwei Einschnürungen";
        case 8:
          return "drei Einschnürungen";
        default:
          return "vier Einschnürungen";
      }
    case PanelKind::kV:
    case PanelKind::kW:
      return "Doppelstrahl";
    case PanelKind::kTa:
      return "schmaler Strahl";
  }
  return "";
}

// A number with one decimal and a decimal comma, as German texts write it.
std::string Tenths(int tenths) {
  char text[32];
  const int whole = tenths / 10;
  const int rest = tenths % 10 < 0 ? -(tenths % 10) : tenths % 10;
  std::snprintf(text, sizeof text, "%s%d,%d", tenths < 0 && whole == 0 ? "-" : "", whole, rest);
  return text;
}

// The relative back field of a V or W type from its second letter: A gives 0,
// each further letter 0,05 more.
std::string BackField(char letter) {
  const int hundredths = 5 * (letter - 'A');
  if (hundredths == 0) return "0";
  if (hundredths % 10 == 0) return Tenths(hundredths / 10);
  char text[16];
  std::snprintf(text, sizeof text, "0,%02d", hundredths);
  return text;
}

std::string Degrees(int degrees) { return std::to_string(degrees) + "°"; }
std::string Percent(int percent) { return std::to_string(percent) + " %"; }
// A digit step with what it stands for, e.g. "Stufe 3 (30°)".
std::string Step(int step, const std::string& meaning) {
  return "Stufe " + std::to_string(step) + " (" + meaning + ")";
}

}  // namespace

std::string SliderValueText(int typeIndex, PanelSlider slider, int position) {
  if (typeIndex < 0 || typeIndex >= kCatalogueSize) return {};
  const CatalogueEntry& entry = CatalogueEntryAt(typeIndex);
  const PanelKind kind = entry.kind;
  const bool twoBeams = kind == PanelKind::kV || kind == PanelKind::kW;
  switch (slider) {
    case PanelSlider::kType:
      return std::string(entry.letters) + " – " + TypeMeaning(typeIndex, kind) +
             (twoBeams ? ", Rückfeld " + BackField(entry.letters[1]) : std::string());
    case PanelSlider::kP1:
      switch (kind) {
        case PanelKind::kNone:
          return {};
        case PanelKind::kHalfPower:
          return Degrees(position);
        case PanelKind::kConstriction:
          return Percent(position);
        case PanelKind::kTa:
          return Tenths(position) + "°";
        case PanelKind::kV:
        case PanelKind::kW:
          // The digit is a beam-width step: 15° + 5° per step.
          return Step(position, Degrees(15 + 5 * position));
      }
      return {};
    case PanelSlider::kP2:
      // Half the angle between the two main beams.
      return twoBeams ? Degrees(position) : std::string();
    case PanelSlider::kP3:
      if (kind == PanelKind::kNone) return {};
      // W: a step of the back side-lobe floor, 5 % each.
      return kind == PanelKind::kW ? Step(position, Percent(5 * position)) : Percent(position);
    case PanelSlider::kP4:
      // W only: the front side-lobe floor, 35 % plus 5 % per step.
      return kind == PanelKind::kW ? Step(position, Percent(35 + 5 * position)) : std::string();
  }
  return {};
}

std::string DbRangeValueText(int position) {
  // U+2212 MINUS SIGN, as typeset values use it.
  return (position > 0 ? "\u2212" : "") + std::to_string(position) + " dB";
}

}  // namespace veltrisko
