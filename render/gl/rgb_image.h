// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace veltrisko {

// An 8-bit RGB picture, top row first.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes per pixel, rows without padding

  struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
  };
  // x from the left, y from the top; the caller keeps both inside.
  Pixel At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

// Writes an 8-bit RGB PNG to `path` through WriteFileAtomically ("-" is
// standard output): whole or not at all. On failure returns false and puts
// the message ("cannot write 'x.png': No space left on device") in `error`.
bool WritePng(const std::string& path, const RgbImage& image, std::string& error);

// Encodes the PNG into an open stream; on failure returns false and says why
// in `error`.
bool WritePng(std::FILE* file, const RgbImage& image, std::string& error);

// Reads any PNG as 8-bit RGB (used to check written pictures).
bool ReadPng(const std::string& path, RgbImage& image, std::string& error);

}  // namespace veltrisko
