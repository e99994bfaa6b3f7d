// SPDX-License-Identifier: MIT
#include "dialog/antenna_panel.h"

#include <cstring>

#include "model/code_scan.h"
#include "model/panel_catalogue.h"
#include "text/dialog_texts.h"

namespace veltrisko {

namespace {

constexpr int kTypeMaximum = kCatalogueSize - 1;
// An edit field hands out at most this many characters.
constexpr std::size_t kEditTextLimit = 99;

constexpr Text kNoLabel{"", ""};

// The labels that SetType writes; a null text leaves the label as it is.
struct KindLabels {
  const Text* p1;
  const Text* p3;
  const Text* p4;
};

KindLabels LabelsOf(PanelKind kind) {
  switch (kind) {
    case PanelKind::kNone:
      return {&kNoLabel, nullptr, nullptr};
    case PanelKind::kHalfPower:
    case PanelKind::kV:
      return {&texts::kHalfPowerAngle, &texts::kSideLobeRadius, nullptr};
    case PanelKind::kConstriction:
      return {&texts::kConstrictionFactor, &texts::kSideLobeRadius, nullptr};
    case PanelKind::kW:
      return {&texts::kHalfPowerAngle, &texts::kBackSideLobeRadius, &texts::kFrontSideLobeRadius};
    case PanelKind::kTa:
      return {&texts::kHalfPowerAngleTimesTen, &texts::kSideLobeRadius, nullptr};
  }
  return {nullptr, nullptr, nullptr};
}
void SetRange(SliderControl* slider, int maximum) {
  if (slider != nullptr) slider->SetRange(0, maximum);
}
void SetPosition(SliderControl* slider, int position) {
  if (slider != nullptr) slider->SetPosition(position);
}
void Show(SliderControl* slider, TextControl* label, bool visible) {
  if (slider != nullptr) slider->SetVisible(visible);
  if (label != nullptr) label->SetVisible(visible);
}

// The edit field's text as the Latin-1 characters an ANSI edit field would
// hand out: characters outside Latin-1 (and broken UTF-8) read as '?', and
// at most kEditTextLimit of them.
std::string Latin1EditText(const std::string& utf8) {
  std::string latin1;
  std::size_t at = 0;
  while (at < utf8.size() && latin1.size() < kEditTextLimit) {
    const unsigned char lead = static_cast<unsigned char>(utf8[at]);
    if (lead == 0) break;
    if (lead < 0x80) {
      latin1.push_back(static_cast<char>(lead));
      ++at;
      continue;
    }
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    unsigned codePoint = length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
    bool wellFormed = length > 1 && at + length <= utf8.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[at + k]);
      wellFormed = (next & 0xC0u) == 0x80u;
      codePoint = codePoint << 6 | (next & 0x3Fu);
    }
    if (!wellFormed) length = 1;
    latin1.push_back(wellFormed && codePoint <= 0xFF ? static_cast<char>(codePoint) : '?');
    at += length;
  }
  return latin1;
}

std::string Utf8FromLatin1(const std::string& latin1) {
  std::string utf8;
  for (const char c : latin1) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | byte >> 6));
      utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

// Clears the shared flag however the edit field's write ends.
class UpdatingEditText {
 public:
  explicit UpdatingEditText(bool& flag) : flag_(flag) { flag_ = true; }
  ~UpdatingEditText() { flag_ = false; }
  UpdatingEditText(const UpdatingEditText&) = delete;
  UpdatingEditText& operator=(const UpdatingEditText&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void AntennaPanel::Bind(const PanelControls& controls) {
  controls_ = controls;
  shownLabels_ = {};
}

void AntennaPanel::SetLabel(TextControl* control, const Text* text) {
  if (control == nullptr || text == nullptr) return;
  control->SetText(InString(language_, *text));
  if (control == controls_.p1Label) shownLabels_.p1 = text;
  if (control == controls_.p3Label) shownLabels_.p3 = text;
  if (control == controls_.p4Label) shownLabels_.p4 = text;
}

void AntennaPanel::SetLanguage(Language language) {
  language_ = language;
  SetLabel(controls_.typeLabel, &texts::kTypeGroup);
  SetLabel(controls_.p2Label, &texts::kHalfAngleBetweenBeams);
  const ShownLabels shown = shownLabels_;
  SetLabel(controls_.p1Label, shown.p1);
  SetLabel(controls_.p3Label, shown.p3);
  SetLabel(controls_.p4Label, shown.p4);
}

bool AntennaPanel::HasControls() const {
  return controls_.editField != nullptr && controls_.typeSlider != nullptr &&
         controls_.p1Slider != nullptr && controls_.p2Slider != nullptr &&
         controls_.p3Slider != nullptr && controls_.p4Slider != nullptr;
}

void AntennaPanel::SetType(int typeIndex) {
  if (typeIndex < 0 || typeIndex > kTypeMaximum) return;
  const CatalogueEntry& entry = CatalogueEntryAt(typeIndex);
  const PanelKind kind = entry.kind;

  SetPosition(controls_.typeSlider, typeIndex);

  const KindLabels labels = LabelsOf(kind);
  SetLabel(controls_.p1Label, labels.p1);
  SetLabel(controls_.p3Label, labels.p3);
  SetLabel(controls_.p4Label, labels.p4);

  const SliderRanges ranges = SliderRangesOf(typeIndex);
  SetRange(controls_.typeSlider, kTypeMaximum);
  SetRange(controls_.p1Slider, ranges.p1Maximum);
  SetRange(controls_.p2Slider, ranges.p2Maximum);
  SetRange(controls_.p3Slider, ranges.p3Maximum);
  SetRange(controls_.p4Slider, ranges.p4Maximum);

  Show(controls_.p1Slider, controls_.p1Label, ranges.usesP1AndP3);
  Show(controls_.p2Slider, controls_.p2Label, ranges.usesP2);
  Show(controls_.p3Slider, controls_.p3Label, ranges.usesP1AndP3);
  Show(controls_.p4Slider, controls_.p4Label, ranges.usesP4);

  typeIndex_ = typeIndex;
}

void AntennaPanel::ComposeFromSliders() {
  if (!HasControls()) return;
  int type = controls_.typeSlider->Position();
  if (type < 0) type = 0;
  if (type > kTypeMaximum) type = kTypeMaximum;
  if (type != typeIndex_) SetType(type);

  const int p1 = controls_.p1Slider->Position();
  const int p2 = controls_.p2Slider->Position();
  const int p3 = controls_.p3Slider->Position();
  const int p4 = controls_.p4Slider->Position();
  code_ = ComposeCode(type, p1, p2, p3, p4);

  // Writing the field raises its change notification before SetText returns.
  const std::string text = code_;
  UpdatingEditText guard(updatingEditText_);
  controls_.editField->SetText(text);
}

bool AntennaPanel::ParseTypedCode() {
  if (!HasControls()) return false;
  const std::string typed = Latin1EditText(controls_.editField->Text());
  if (typed.size() != 7) return false;

  int first = 0;
  int last = 0;
  char letters[3] = {};
  CodeScan fields(typed.c_str());  // "%3d%2s%2d"
  if (!(fields.Int(3, first) && fields.String(2, letters) && fields.Int(2, last))) return false;
  const int index = CatalogueIndexOf(letters);
  if (index < 0) return false;
  if (index != typeIndex_) SetType(index);

  int p1 = first;
  int p2 = controls_.p2Slider->Position();
  int p3 = last;
  int p4 = controls_.p4Slider->Position();
  char secondLetters[3] = {};
  const PanelKind kind = CatalogueEntryAt(index).kind;
  CodeScan beam(typed.c_str());
  if (kind == PanelKind::kW &&  // "%1d%2d%2s%1d%01d"
      !(beam.Int(1, p1) && beam.Int(2, p2) && beam.String(2, secondLetters) && beam.Int(1, p3) &&
        beam.Int(1, p4))) {
    return false;
  }
  if (kind == PanelKind::kV &&  // "%1d%02d%2s%2d"
      !(beam.Int(1, p1) && beam.Int(2, p2) && beam.String(2, secondLetters) && beam.Int(2, p3))) {
    return false;
  }

  controls_.typeSlider->SetPosition(index);
  controls_.p1Slider->SetPosition(p1);
  controls_.p2Slider->SetPosition(p2);
  controls_.p3Slider->SetPosition(p3);
  controls_.p4Slider->SetPosition(p4);
  code_ = Utf8FromLatin1(typed);
  return true;
}

std::array<int, 5> AntennaPanel::SliderPositions() const {
  const SliderControl* sliders[5] = {controls_.typeSlider, controls_.p1Slider, controls_.p2Slider,
                                     controls_.p3Slider, controls_.p4Slider};
  std::array<int, 5> positions{};
  for (std::size_t i = 0; i < positions.size(); ++i)
    positions[i] = sliders[i] != nullptr ? sliders[i]->Position() : 0;
  return positions;
}

const char* AntennaPanel::TypeName(unsigned typeIndex) {
  return typeIndex < static_cast<unsigned>(kCatalogueSize)
             ? CatalogueEntryAt(static_cast<int>(typeIndex)).letters
             : "";
}

}  // namespace veltrisko
