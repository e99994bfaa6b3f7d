// SPDX-License-Identifier: MIT
#include "tools/render_options.h"

#include <cctype>
#include <cstdlib>

#include "tools/cli/option_reader.h"

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

// A name ending in .png (any case), or one without an extension (a device,
// "-"): a PNG under a .jpg name would be read as what it is not.
bool NamesPngOrNoKind(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == 0 ||
      (slash != std::string::npos && dot == slash + 1)) {
    return true;
  }
  std::string extension = path.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".png";
}

}  // namespace

std::optional<std::string> ParseRenderOptions(const std::vector<std::string>& args,
                                              RenderOptions& options) {
  OptionReader reader("render");
  DeclarePatternOptions(reader, options.codes, options.scene);
  DeclareViewOptions(reader, options.scene, options.tiltDegrees);
  reader.Value(
      "--size", "WxH",
      [&options](const std::string& value) {
        return ParseSize(value, options.width, options.height);
      },
      "must be WxH with sides from 1 to 8192");
  DeclareOutputOption(reader, options.output, "FILE.png").Required();
  DeclareForceOption(reader, options.force);
  if (std::optional<std::string> problem = reader.Read(args)) return problem;
  if (!NamesPngOrNoKind(options.output)) {
    return "render: --output writes a PNG picture; '" + options.output +
           "' names another kind of file (use .png)";
  }
  ApplyTilt(options.scene, options.tiltDegrees);
  return std::nullopt;
}

}  // namespace veltrisko::tool
