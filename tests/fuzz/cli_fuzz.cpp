// SPDX-License-Identifier: MIT
// The command-line readers on arbitrary arguments: the option reader with
// every shared declaration, the number field and the percent decoding.
// Aborts when a read option leaves the scene outside what the viewer can
// hold, or when decoding does not undo encoding.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/number_field.h"
#include "text/percent_decoding.h"
#include "tools/cli/option_reader.h"
#include "tools/cli/scene_options.h"

namespace {

using namespace veltrisko;
using namespace veltrisko::tool;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "cli_fuzz: %s\n", what);
    std::abort();
  }
}

void ReadOptions(const std::vector<std::string>& args) {
  PatternCodes codes;
  veltrisko::SceneState scene;
  float tilt = 0.0f;
  float step = 1.0f;
  std::string output;
  bool force = false;
  OptionReader reader("fuzz");
  DeclarePatternOptions(reader, codes, scene);
  DeclareViewOptions(reader, scene, tilt);
  reader.Value("--table-step", "DEG", NumberInto(step, [](float s) { return s >= 0.01f; }));
  DeclareOutputOption(reader, output, "FILE");
  DeclareForceOption(reader, force);
  const std::optional<std::string> problem = reader.Read(args);
  if (problem) {
    const std::optional<std::string> help = HelpRequested(*problem);
    Require(help ? *help == "fuzz" : problem->rfind("fuzz: ", 0) == 0,
            "usage message without the command");
    return;
  }
  ApplyTilt(scene, tilt);
  const int s = scene.resolutionStep;
  Require(s == 15 || s == 10 || s == 6 || s == 3 || s == 2, "step the viewer does not offer");
  Require(scene.azimuth > -180.0f && scene.azimuth < 360.0f, "azimuth outside the viewer's range");
  Require(scene.elevation > -180.0f && scene.elevation < 360.0f,
          "elevation outside the viewer's range");
  Require(!scene.logScale || (scene.dbRange > 0.0f && std::isfinite(scene.dbRange)),
          "dB range not above 0");
  Require(std::isfinite(step) && step >= 0.01f, "table step below 0.01");
  for (float element : scene.modelRotation.element) {
    Require(std::isfinite(element), "tilt made the rotation non-finite");
  }
}

std::string PercentEncoded(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", c);
    encoded += hex;
  }
  return encoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t end; (end = input.find('\0', start)) != std::string::npos; start = end + 1) {
    args.push_back(input.substr(start, end - start));
  }
  args.push_back(input.substr(start));
  ReadOptions(args);

  for (const std::string& arg : args) {
    const std::optional<float> number = ParseFloatField(arg);
    Require(!number || (!arg.empty() && arg.front() != ' '), "a number from a blank-led field");
    const std::optional<std::string> decoded = PercentDecode(arg);
    Require(!decoded || decoded->size() <= arg.size(), "decoding lengthened the text");
    // Every byte but NUL survives encoding and decoding.
    Require(PercentDecode(PercentEncoded(arg)) == std::string(arg.c_str()),
            "decoding does not undo encoding");
  }
  return 0;
}
