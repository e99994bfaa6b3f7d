// SPDX-License-Identifier: MIT
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/combination.h"
#include "model/invalid_antenna_code.h"
#include "model/parsed_antenna_code.h"
#include "render/display_value.h"
#include "tools/commands.h"
#include "tools/number_field.h"
#include "tools/printed_number.h"

namespace veltrisko::tool {
namespace {

enum class Cut { kNone, kHorizontal, kVertical };

constexpr float kSmallestStep = 0.01f;

struct TableOptions {
  std::string horizontalCode;
  std::string verticalCode;
  bool hasHorizontal = false;
  bool hasVertical = false;
  bool useV7 = true;
  float step = 1.0f;
  float dbRange = 0.0f;  // 0: linear display
  Cut cut = Cut::kNone;
};

// Parses the options into `options`; returns a usage message on failure.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        TableOptions& options) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string& name = args[i];
    if (name != "--horizontal" && name != "--vertical" && name != "--rule" && name != "--step" &&
        name != "--log" && name != "--cut") {
      return "table: unknown option '" + name + "'";
    }
    if (i + 1 >= args.size()) return "table: " + name + " needs a value";
    const std::string& value = args[i + 1];
    if (name == "--horizontal") {
      options.horizontalCode = value;
      options.hasHorizontal = true;
    } else if (name == "--vertical") {
      options.verticalCode = value;
      options.hasVertical = true;
    } else if (name == "--rule") {
      if (value != "v6" && value != "v7") return "table: --rule must be v6 or v7";
      options.useV7 = value == "v7";
    } else if (name == "--step") {
      const std::optional<float> step = ParseFloatField(value);
      // The lower bound keeps the table finite (648 million rows at 0.01).
      if (!step || !(*step >= kSmallestStep && *step <= 180.0f)) {
        return "table: --step must be a number from 0.01 to 180";
      }
      options.step = *step;
    } else if (name == "--log") {
      const std::optional<float> range = ParseFloatField(value);
      if (!range || !(*range > 0.0f && std::isfinite(*range))) {
        return "table: --log must be a dB range above 0";
      }
      options.dbRange = *range;
    } else {
      if (value != "horizontal" && value != "vertical") {
        return "table: --cut must be horizontal or vertical";
      }
      options.cut = value == "horizontal" ? Cut::kHorizontal : Cut::kVertical;
    }
  }
  if (!options.hasHorizontal) return "table: --horizontal CODE is required";
  if (!options.hasVertical) return "table: --vertical CODE is required";
  return std::nullopt;
}

// From -limit to +limit at the step, both ends included even where the step
// does not divide the span.
std::vector<float> AnglesAcross(float limit, float step) {
  std::vector<float> angles;
  for (int i = 0;; ++i) {
    const double angle = -limit + static_cast<double>(i) * step;
    if (angle >= limit - 1e-6) break;
    angles.push_back(static_cast<float>(angle));
  }
  angles.push_back(limit);
  return angles;
}

// A rejected code is rejected whatever the angle, so one evaluation tells.
bool Accepted(const ParsedAntennaCode& code) {
  try {
    code.ComponentAttenuation(0.0f, true);
    return true;
  } catch (const InvalidAntennaCode&) {
    return false;
  }
}

int WriteTable(const TableOptions& options, const ParsedAntennaCode& horizontal,
               const ParsedAntennaCode& vertical) {
  const std::vector<float> azimuths =
      options.cut == Cut::kVertical ? std::vector<float>{0.0f} : AnglesAcross(180.0f, options.step);
  const std::vector<float> elevations = options.cut == Cut::kHorizontal
                                            ? std::vector<float>{0.0f}
                                            : AnglesAcross(90.0f, options.step);
  std::puts("azimuth,elevation,attenuation_db,display_value");
  for (float elevation : elevations) {
    for (float azimuth : azimuths) {
      const float attenuation =
          options.useV7
              ? static_cast<float>(CombinedAttenuationV7(azimuth, elevation, horizontal, vertical))
              : CombinedAttenuationV6(azimuth, elevation, horizontal, vertical);
      // Adding 0 turns the axis value -0 of the V7 rule into 0.
      std::printf("%.9g,%.9g,%.9g,%.9g\n", azimuth, elevation, Printable(attenuation + 0.0f),
                  Printable(DisplayValue(attenuation, options.dbRange)));
    }
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("veltrisko-pattern: cannot write the table\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace

int RunTable(const std::vector<std::string>& args) {
  TableOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  const ParsedAntennaCode horizontal(options.horizontalCode.c_str());
  const ParsedAntennaCode vertical(options.verticalCode.c_str());
  for (const auto& [code, text, which] :
       {std::tuple{&horizontal, &options.horizontalCode, "horizontal"},
        std::tuple{&vertical, &options.verticalCode, "vertical"}}) {
    if (!Accepted(*code)) {
      std::fprintf(stderr, "veltrisko-pattern: invalid %s antenna code '%s'\n", which,
                   text->c_str());
      return 1;
    }
  }
  try {
    return WriteTable(options, horizontal, vertical);
  } catch (const InvalidAntennaCode& e) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", e.what());
    return 1;
  }
}

}  // namespace veltrisko::tool
