// SPDX-License-Identifier: MIT
#include "render/gl/rgb_image.h"

#include "files/atomic_file.h"

namespace veltrisko {

bool WritePng(const std::string& path, const RgbImage& image, std::string& error) {
  std::string encoding;
  error =
      WriteFileAtomically(path, [&](std::FILE* file) { return WritePng(file, image, encoding); });
  if (!error.empty() && !encoding.empty() && error.find("write failed") != std::string::npos) {
    error += " (" + encoding + ")";
  }
  return error.empty();
}

}  // namespace veltrisko
