// SPDX-License-Identifier: MIT
#include "tools/render_options.h"

#include <cmath>
#include <cstdlib>

#include "tools/number_field.h"
#include "units/angle_units.h"

namespace veltrisko::tool {
namespace {

constexpr int kMaxSide = 8192;

// "WxH" with two whole numbers from 1 to kMaxSide.
bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const auto side = [](const std::string& digits, int& value) {
    if (digits.empty() || digits.size() > 5) return false;
    for (char c : digits)
      if (c < '0' || c > '9') return false;
    value = std::atoi(digits.c_str());
    return value >= 1 && value <= kMaxSide;
  };
  return side(text.substr(0, x), width) && side(text.substr(x + 1), height);
}

bool ParseAngle(const std::string& text, float& angle) {
  const std::optional<float> value = ParseFloatField(text);
  if (!value || !std::isfinite(*value)) return false;
  angle = *value;
  return true;
}

// The viewer keeps its angles above -180 and below 360.
float IntoViewerRange(float degrees) {
  double wrapped = std::fmod(static_cast<double>(degrees), 360.0);
  if (wrapped <= -180.0) wrapped += 360.0;
  return static_cast<float>(wrapped);
}

}  // namespace

std::optional<std::string> ParseRenderOptions(const std::vector<std::string>& args,
                                              RenderOptions& options) {
  bool hasHorizontal = false, hasVertical = false, hasOutput = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    bool* flag = name == "--no-surface"              ? &options.showSurface
                 : name == "--no-grid"               ? &options.showGrid
                 : name == "--no-false-colour"       ? &options.falseColour
                 : name == "--no-horizontal-diagram" ? &options.showHorizontalDiagram
                 : name == "--no-vertical-diagram"   ? &options.showVerticalDiagram
                 : name == "--no-cut"                ? &options.showHorizontalCut
                                                     : nullptr;
    if (flag != nullptr) {
      *flag = false;
      continue;
    }
    if (name != "--horizontal" && name != "--vertical" && name != "--rule" && name != "--log" &&
        name != "--step" && name != "--azimuth" && name != "--elevation" && name != "--tilt" &&
        name != "--size" && name != "--output") {
      return "render: unknown option '" + name + "'";
    }
    if (i + 1 >= args.size()) return "render: " + name + " needs a value";
    const std::string& value = args[++i];
    if (name == "--horizontal") {
      options.horizontalCode = value;
      hasHorizontal = true;
    } else if (name == "--vertical") {
      options.verticalCode = value;
      hasVertical = true;
    } else if (name == "--output") {
      if (value.empty()) return "render: --output needs a file name";
      options.output = value;
      hasOutput = true;
    } else if (name == "--rule") {
      if (value != "v6" && value != "v7") return "render: --rule must be v6 or v7";
      options.useV7 = value == "v7";
    } else if (name == "--log") {
      const std::optional<float> range = ParseFloatField(value);
      if (!range || !(*range > 0.0f && std::isfinite(*range))) {
        return "render: --log must be a dB range above 0";
      }
      options.dbRange = *range;
    } else if (name == "--step") {
      if (value != "15" && value != "10" && value != "6" && value != "3" && value != "2") {
        return "render: --step must be 15, 10, 6, 3 or 2";
      }
      options.step = std::atoi(value.c_str());
    } else if (name == "--size") {
      if (!ParseSize(value, options.width, options.height)) {
        return "render: --size must be WxH with sides from 1 to 8192";
      }
    } else {
      float& angle = name == "--azimuth"     ? options.azimuth
                     : name == "--elevation" ? options.elevation
                                             : options.tilt;
      if (!ParseAngle(value, angle)) return "render: " + name + " must be a finite number";
    }
  }
  if (!hasHorizontal) return "render: --horizontal CODE is required";
  if (!hasVertical) return "render: --vertical CODE is required";
  if (!hasOutput) return "render: --output FILE.png is required";
  return std::nullopt;
}

SceneState SceneFor(const RenderOptions& options) {
  SceneState scene;
  scene.useHcmV7 = options.useV7;
  scene.logScale = options.dbRange > 0.0f;
  if (scene.logScale) scene.dbRange = options.dbRange;
  scene.resolutionStep = options.step;
  scene.azimuth = IntoViewerRange(options.azimuth);
  scene.elevation = IntoViewerRange(options.elevation);
  const float tilt = IntoViewerRange(options.tilt);
  if (tilt != 0.0f) scene.TiltModel(AxisAngles{}, static_cast<float>(tilt * kRadiansPerDegree));
  scene.showSurface = options.showSurface;
  scene.showGrid = options.showGrid;
  scene.falseColour = options.falseColour;
  scene.showHorizontalDiagram = options.showHorizontalDiagram;
  scene.showVerticalDiagram = options.showVerticalDiagram;
  scene.showHorizontalCut = options.showHorizontalCut;
  return scene;
}

}  // namespace veltrisko::tool
