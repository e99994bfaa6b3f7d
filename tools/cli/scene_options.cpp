// SPDX-License-Identifier: MIT
#include "tools/cli/scene_options.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "text/number_field.h"
#include "units/angle_units.h"

namespace veltrisko::tool {
namespace {

TakeValue ViewAngleInto(float& into) {
  return [&into](const std::string& value) {
    const std::optional<float> angle = ParseFloatField(value);
    if (!angle || !std::isfinite(*angle)) return false;
    into = IntoViewerRange(*angle);
    return true;
  };
}

}  // namespace

void DeclarePatternOptions(OptionReader& reader, PatternCodes& codes, SceneState& scene) {
  reader.Value("--horizontal", "CODE", TextInto(codes.horizontal)).Required();
  reader.Value("--vertical", "CODE", TextInto(codes.vertical)).Required();
  reader.Value("--rule", "v6|v7", OneOf<bool>(scene.useHcmV7, {{"v6", false}, {"v7", true}}),
               "must be v6 or v7");
  reader.Value(
      "--log", "DBRANGE",
      [&scene](const std::string& value) {
        const std::optional<float> range = ParseFloatField(value);
        if (!range || !(*range > 0.0f && std::isfinite(*range))) return false;
        scene.logScale = true;
        scene.dbRange = *range;
        return true;
      },
      "must be a dB range above 0");
}

void DeclareViewOptions(OptionReader& reader, SceneState& scene, float& tiltDegrees) {
  reader.Value(
      "--step", "DEG",
      OneOf<int>(scene.resolutionStep, {{"15", 15}, {"10", 10}, {"6", 6}, {"3", 3}, {"2", 2}}),
      "must be 15, 10, 6, 3 or 2");
  reader.Value("--azimuth", "DEG", ViewAngleInto(scene.azimuth), "must be a finite number");
  reader.Value("--elevation", "DEG", ViewAngleInto(scene.elevation), "must be a finite number");
  reader.Value("--tilt", "DEG", NumberInto(tiltDegrees, [](float) { return true; }),
               "must be a finite number");
  const std::pair<const char*, bool SceneState::*> hides[] = {
      {"--no-surface", &SceneState::showSurface},
      {"--no-grid", &SceneState::showGrid},
      {"--no-false-colour", &SceneState::falseColour},
      {"--no-horizontal-diagram", &SceneState::showHorizontalDiagram},
      {"--no-vertical-diagram", &SceneState::showVerticalDiagram},
      {"--no-cut", &SceneState::showHorizontalCut},
  };
  for (const auto& [name, flag] : hides) {
    reader.Flag(name, [&scene, flag = flag] { scene.*flag = false; });
  }
}

OptionReader& DeclareOutputOption(OptionReader& reader, std::string& output,
                                  const char* valueName) {
  return reader.Value("--output", valueName, NonEmptyTextInto(output), "needs a file name");
}

void DeclareForceOption(OptionReader& reader, bool& force) {
  reader.Flag("--force", [&force] { force = true; });
}

}  // namespace veltrisko::tool
