// SPDX-License-Identifier: MIT
#include "dialog/slider_value_text.h"

#include <cstdio>

#include "model/panel_catalogue.h"
#include "text/dialog_texts.h"

namespace veltrisko {

namespace {

// What a type is, after its letters; V and W name their back field (the
// second letter A..I gives 0 .. 0,4).
const Text& TypeMeaning(int typeIndex, PanelKind kind) {
  switch (kind) {
    case PanelKind::kNone:
      return texts::kOmnidirectional;
    case PanelKind::kHalfPower:
      switch (typeIndex) {
        case 2:
          return texts::kDirectionalBackField02;
        case 3:
          return texts::kDirectionalBackField04;
        case 4:
          return texts::kFrontEqualsBack;
        case 5:
          return texts::kNoBackLobe;
        default:
          return texts::kDirectional;
      }
    case PanelKind::kConstriction:
      switch (typeIndex) {
        case 6:
          return texts::kBackConstriction;
        case 7:
          return texts::kTwoConstrictions;
        case 8:
          return texts::kThreeConstrictions;
        default:
          return texts::kFourConstrictions;
      }
    case PanelKind::kV:
    case PanelKind::kW:
      return texts::kTwinBeam;
    case PanelKind::kTa:
      return texts::kNarrowBeam;
  }
  return texts::kDirectional;
}

// A number with one decimal: a decimal comma in German, a point in English.
std::string Tenths(int tenths, Language language) {
  char text[32];
  const int whole = tenths / 10;
  const int rest = tenths % 10 < 0 ? -(tenths % 10) : tenths % 10;
  std::snprintf(text, sizeof text, "%s%d%c%d", tenths < 0 && whole == 0 ? "-" : "", whole,
                language == Language::kGerman ? ',' : '.', rest);
  return text;
}

// The relative back field of a V or W type from its second letter: A gives 0,
// each further letter 0,05 more.
std::string BackField(char letter, Language language) {
  const int hundredths = 5 * (letter - 'A');
  if (hundredths == 0) return "0";
  if (hundredths % 10 == 0) return Tenths(hundredths / 10, language);
  char text[16];
  std::snprintf(text, sizeof text, "0%c%02d", language == Language::kGerman ? ',' : '.',
                hundredths);
  return text;
}

std::string Degrees(int degrees) { return std::to_string(degrees) + "°"; }
std::string Percent(int percent) { return std::to_string(percent) + " %"; }
// A digit step with what it stands for, e.g. "Stufe 3 (30°)".
std::string Step(int step, const std::string& meaning, Language language) {
  return InString(language, texts::kStep) + " " + std::to_string(step) + " (" + meaning + ")";
}

}  // namespace

std::string SliderValueText(int typeIndex, PanelSlider slider, int position, Language language) {
  if (typeIndex < 0 || typeIndex >= kCatalogueSize) return {};
  const CatalogueEntry& entry = CatalogueEntryAt(typeIndex);
  const PanelKind kind = entry.kind;
  const bool twoBeams = kind == PanelKind::kV || kind == PanelKind::kW;
  switch (slider) {
    case PanelSlider::kType:
      return std::string(entry.letters) + " – " + InString(language, TypeMeaning(typeIndex, kind)) +
             (twoBeams ? ", " + InString(language, texts::kBackField) + " " +
                             BackField(entry.letters[1], language)
                       : std::string());
    case PanelSlider::kP1:
      switch (kind) {
        case PanelKind::kNone:
          return {};
        case PanelKind::kHalfPower:
          return Degrees(position);
        case PanelKind::kConstriction:
          return Percent(position);
        case PanelKind::kTa:
          return Tenths(position, language) + "°";
        case PanelKind::kV:
        case PanelKind::kW:
          // The digit is a beam-width step: 15° + 5° per step.
          return Step(position, Degrees(15 + 5 * position), language);
      }
      return {};
    case PanelSlider::kP2:
      // Half the angle between the two main beams.
      return twoBeams ? Degrees(position) : std::string();
    case PanelSlider::kP3:
      if (kind == PanelKind::kNone) return {};
      // W: a step of the back side-lobe floor, 5 % each.
      return kind == PanelKind::kW ? Step(position, Percent(5 * position), language)
                                   : Percent(position);
    case PanelSlider::kP4:
      // W only: the front side-lobe floor, 35 % plus 5 % per step.
      return kind == PanelKind::kW ? Step(position, Percent(35 + 5 * position), language)
                                   : std::string();
  }
  return {};
}

std::vector<std::string> SliderValueTextsToFit(PanelSlider slider) {
  std::vector<std::string> texts;
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    for (int type = 0; type < kCatalogueSize; ++type) {
      for (const int position : {0, 9, 89, 99, 100, 120, 890})
        texts.push_back(SliderValueText(type, slider, position, language));
    }
  }
  return texts;
}

std::string DbRangeValueText(int position) {
  // U+2212 MINUS SIGN, as typeset values use it.
  return (position > 0 ? "\u2212" : "") + std::to_string(position) + " dB";
}

}  // namespace veltrisko
