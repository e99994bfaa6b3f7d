// SPDX-License-Identifier: MIT
// The panel's reading of typed codes on arbitrary bytes (UTF-8, Latin-1 and
// broken sequences alike), between arbitrary slider movements, through the
// in-memory controls. Aborts when a slider leaves its range, when a refused
// text changes the code, or when a composed code is not seven characters.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog/antenna_panel.h"
#include "model/panel_catalogue.h"
#include "tests/dialog/fake_controls.h"

namespace {

using veltrisko::AntennaPanel;
using veltrisko::testing::FakePanelControls;
using veltrisko::testing::FakeSlider;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "panel_fuzz: %s\n", what);
    std::abort();
  }
}

void RequireInRange(const FakeSlider& slider) {
  Require(slider.Position() >= slider.Minimum() && slider.Position() <= slider.Maximum(),
          "slider outside its range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakePanelControls controls;
  bool updatingEditText = false;
  AntennaPanel panel(updatingEditText);
  panel.Bind(controls.Controls());
  panel.SetType(1);
  controls.p1Slider.SetPosition(30);
  panel.ComposeFromSliders();
  FakeSlider* sliders[] = {&controls.typeSlider, &controls.p1Slider, &controls.p2Slider,
                           &controls.p3Slider, &controls.p4Slider};

  while (input.remaining_bytes() > 0) {
    if (input.ConsumeBool()) {
      const std::string before = panel.Code();
      controls.editField.Type(input.ConsumeRandomLengthString(24));
      if (!panel.ParseTypedCode()) {
        Require(before == panel.Code(), "a refused text changed the code");
      }
    } else {
      FakeSlider* slider = sliders[input.ConsumeIntegralInRange<int>(0, 4)];
      slider->Drag(input.ConsumeIntegral<int>());
      panel.ComposeFromSliders();
      Require(std::strlen(panel.Code()) == 7, "a composed code is not seven characters");
    }
    Require(panel.TypeIndex() >= 0 && panel.TypeIndex() < veltrisko::kCatalogueSize,
            "type index outside the catalogue");
    for (const FakeSlider* slider : sliders) RequireInRange(*slider);
  }
  return 0;
}
