// SPDX-License-Identifier: MIT
// Checks a written picture: png_check FILE [--size WxH] [--white X,Y]...
// [--coloured X,Y]... [--no-colour] [--same-as OTHER.png]. "Coloured" is
// neither white nor grey; --same-as demands equal pixels.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/gl/rgb_image.h"

namespace {

using veltrisko::RgbImage;

bool IsWhite(RgbImage::Pixel p) { return p.r == 255 && p.g == 255 && p.b == 255; }
bool IsGrey(RgbImage::Pixel p) { return std::abs(p.r - p.g) < 8 && std::abs(p.g - p.b) < 8; }

bool Fail(const std::string& message) {
  std::fprintf(stderr, "png_check: %s\n", message.c_str());
  return false;
}

bool Check(const RgbImage& image, const std::string& option, const std::string& value) {
  if (option == "--size") {
    const std::string actual = std::to_string(image.width) + "x" + std::to_string(image.height);
    return actual == value || Fail("size " + actual + ", expected " + value);
  }
  if (option == "--same-as") {
    RgbImage other;
    std::string error;
    if (!veltrisko::ReadPng(value, other, error)) return Fail(value + ": " + error);
    if (other.width != image.width || other.height != image.height) return Fail("sizes differ");
    std::size_t differing = 0;
    for (std::size_t i = 0; i < image.rgb.size(); i += 3)
      differing += !std::equal(&image.rgb[i], &image.rgb[i] + 3, &other.rgb[i]);
    return differing == 0 || Fail(std::to_string(differing) + " pixels differ from " + value);
  }
  int x = -1, y = -1;
  if (std::sscanf(value.c_str(), "%d,%d", &x, &y) != 2 || x < 0 || y < 0 || x >= image.width ||
      y >= image.height) {
    return Fail("bad pixel position " + value);
  }
  const RgbImage::Pixel p = image.At(x, y);
  const std::string seen =
      std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b);
  if (option == "--white") return IsWhite(p) || Fail(value + " is " + seen + ", not white");
  if (option == "--coloured") {
    return (!IsWhite(p) && !IsGrey(p)) || Fail(value + " is " + seen + ", not coloured");
  }
  return Fail("unknown check " + option);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Fail("usage: png_check FILE CHECKS..."), 2;
  RgbImage image;
  std::string error;
  if (!veltrisko::ReadPng(argv[1], image, error)) return Fail(argv[1] + (": " + error)), 1;
  bool ok = true;
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--no-colour") {
      for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
          const RgbImage::Pixel p = image.At(x, y);
          if (!IsWhite(p) && !IsGrey(p)) {
            return Fail("coloured pixel at " + std::to_string(x) + "," + std::to_string(y)), 1;
          }
        }
      continue;
    }
    if (i + 1 >= argc) return Fail(option + " needs a value"), 2;
    ok = Check(image, option, argv[++i]) && ok;
  }
  return ok ? 0 : 1;
}
