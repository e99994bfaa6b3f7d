// SPDX-License-Identifier: MIT
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/pattern_cuts.h"
#include "files/atomic_file.h"
#include "model/combination.h"
#include "model/invalid_antenna_code.h"
#include "model/parsed_antenna_code.h"
#include "render/display_value.h"
#include "tools/cli/job_size.h"
#include "tools/cli/option_reader.h"
#include "tools/cli/printed_number.h"
#include "tools/cli/scene_options.h"
#include "tools/commands.h"
#include "tools/progress.h"

namespace veltrisko::tool {
namespace {

enum class Cut { kNone, kHorizontal, kVertical };

constexpr float kSmallestStep = 0.01f;

struct TableOptions {
  PatternCodes codes;
  // The rule and the display range; the table has its own step.
  SceneState scene;
  float step = 1.0f;
  Cut cut = Cut::kNone;
  std::string output = "-";
  bool force = false;
};

// Parses the options into `options`; returns a usage message on failure.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args,
                                        TableOptions& options) {
  OptionReader reader("table");
  DeclarePatternOptions(reader, options.codes, options.scene);
  // The lower bound keeps the table finite; --force is still needed below about 0.06.
  reader.Value(
      "--step", "DEG",
      NumberInto(options.step, [](float step) { return step >= kSmallestStep && step <= 180.0f; }),
      "must be a number from 0.01 to 180");
  reader.Value(
      "--cut", "horizontal|vertical",
      OneOf<Cut>(options.cut, {{"horizontal", Cut::kHorizontal}, {"vertical", Cut::kVertical}}),
      "must be horizontal or vertical");
  DeclareOutputOption(reader, options.output, "FILE.csv");
  DeclareForceOption(reader, options.force);
  return reader.Read(args);
}

// Writes the CSV to `out`; false at the first failed write.
bool WriteTable(const TableOptions& options, const ParsedAntennaCode& horizontal,
                const ParsedAntennaCode& vertical, std::FILE* out) {
  const std::vector<float> azimuths = options.cut == Cut::kVertical
                                          ? std::vector<float>{0.0f}
                                          : CutAngles(CutKind::kHorizontal, options.step);
  const std::vector<float> elevations = options.cut == Cut::kHorizontal
                                            ? std::vector<float>{0.0f}
                                            : CutAngles(CutKind::kVertical, options.step);
  const float displayRange = DisplayRange(options.scene.logScale, options.scene.dbRange);
  Progress progress("table", elevations.size());
  std::fputs("azimuth,elevation,attenuation_db,display_value\n", out);
  for (std::size_t row = 0; row < elevations.size(); ++row) {
    const float elevation = elevations[row];
    for (float azimuth : azimuths) {
      const float attenuation =
          options.scene.useHcmV7
              ? static_cast<float>(CombinedAttenuationV7(azimuth, elevation, horizontal, vertical))
              : CombinedAttenuationV6(azimuth, elevation, horizontal, vertical);
      // Adding 0 turns the axis value -0 of the V7 rule into 0.
      std::fprintf(out, "%.9g,%.9g,%.9g,%.9g\n", azimuth, elevation, Printable(attenuation + 0.0f),
                   Printable(DisplayValue(attenuation, displayRange)));
    }
    if (std::ferror(out)) return false;
    progress.Update(row + 1);
  }
  return true;
}

}  // namespace

int RunTable(const std::vector<std::string>& args) {
  TableOptions options;
  if (const std::optional<std::string> problem = ParseOptions(args, options)) {
    return UsageError(*problem);
  }
  const std::uint64_t rows =
      TableRows(options.step, options.cut != Cut::kVertical, options.cut != Cut::kHorizontal);
  if (const std::optional<std::string> refusal = TableSizeRefusal(rows, options.force)) {
    return UsageError(*refusal);
  }
  const ParsedAntennaCode horizontal(options.codes.horizontal.c_str());
  const ParsedAntennaCode vertical(options.codes.vertical.c_str());
  for (const auto& [code, text, which] :
       {std::tuple{&horizontal, &options.codes.horizontal, "horizontal"},
        std::tuple{&vertical, &options.codes.vertical, "vertical"}}) {
    if (!code->Accepted()) {
      std::fprintf(stderr, "veltrisko-pattern: invalid %s antenna code '%s'\n", which,
                   text->c_str());
      return 1;
    }
  }
  // A rejection cannot leave the writer through an exception, which would
  // leave its temporary file behind.
  std::string rejection;
  const std::string error = WriteFileAtomically(options.output, [&](std::FILE* out) {
    try {
      return WriteTable(options, horizontal, vertical, out);
    } catch (const InvalidAntennaCode& e) {
      rejection = e.what();
      return false;
    }
  });
  if (error.empty()) return 0;
  std::fprintf(stderr, "veltrisko-pattern: %s\n",
               rejection.empty() ? error.c_str() : rejection.c_str());
  return 1;
}

}  // namespace veltrisko::tool
