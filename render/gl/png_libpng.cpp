// SPDX-License-Identifier: MIT
// PNG through libpng (Linux).
#include <png.h>

#include <cstdio>
#include <cstring>

#include "render/gl/rgb_image.h"

namespace veltrisko {

// The simplified libpng interface reports failures in the image record
// rather than by jumping out of the caller.
bool WritePng(std::FILE* file, const RgbImage& image, std::string& error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  const bool written =
      png_image_write_to_stdio(&png, file, 0, image.rgb.data(), image.width * 3, nullptr) != 0;
  if (!written) error = png.message;
  png_image_free(&png);
  return written;
}

bool ReadPng(const std::string& path, RgbImage& image, std::string& error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    error = png.message;
    return false;
  }
  png.format = PNG_FORMAT_RGB;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.rgb.assign(PNG_IMAGE_SIZE(png), 0);
  if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr)) {
    error = png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace veltrisko
