// SPDX-License-Identifier: MIT
// Arbitrary bytes as a kept settings value, as a settings file or the
// registry may hold after a user's edit. Aborts when a place read is smaller
// than a chosen one could be, when it reads differently once written back, or
// when putting it on a work area leaves it outside.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/logic/viewer_session.h"
#include "app/logic/window_place.h"

namespace {

using namespace veltrisko;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "kept_settings_fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string value(reinterpret_cast<const char*>(data), size);
  KeptSettings kept;
  for (const char* key : kSessionSettingKeys) kept[key] = value;
  KeptLanguage(kept);
  KeptDiagramStyle(kept);
  const std::optional<WindowPlace> place = KeptWindowPlace(kept);
  if (!place) return 0;
  Require(place->frame.width >= 100 && place->frame.height >= 100, "a tiny place");
  Require(KeptWindowPlace(WindowPlaceToKeep(*place)) == place, "read back differently");
  const LegendRect work{-1920, 30, 3840, 1050};
  const LegendRect on = OnWorkArea(place->frame, work);
  Require(on.x >= work.x && on.y >= work.y && on.x + on.width <= work.x + work.width &&
              on.y + on.height <= work.y + work.height,
          "off the work area");
  return 0;
}
