// SPDX-License-Identifier: MIT
// PNG through zlib (Windows, where no libpng is at hand): the chunks around
// one zlib stream of unfiltered rows.
#include <zlib.h>

#include <array>
#include <cstdio>
#include <limits>

#include "render/gl/rgb_image.h"

namespace veltrisko {
namespace {

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

bool WriteChunk(std::FILE* file, const char (&type)[5], const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> chunk;
  PutBigEndian(chunk, static_cast<std::uint32_t>(data.size()));
  chunk.insert(chunk.end(), type, type + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  // The check sum covers the type and the data.
  const uLong crc =
      crc32(crc32(0L, Z_NULL, 0), chunk.data() + 4, static_cast<uInt>(chunk.size() - 4));
  PutBigEndian(chunk, static_cast<std::uint32_t>(crc));
  return std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size();
}

}  // namespace

bool WritePng(std::FILE* file, const RgbImage& image, std::string& error) {
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  if (image.width < 1 || image.height < 1 ||
      image.rgb.size() != rowBytes * static_cast<std::size_t>(image.height) ||
      image.rgb.size() > std::numeric_limits<uLong>::max() / 2) {
    error = "the picture cannot be encoded";
    return false;
  }
  // Each row starts with its filter type, 0: none.
  std::vector<std::uint8_t> rows;
  rows.reserve((rowBytes + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(0);
    const auto row = image.rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * y);
    rows.insert(rows.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    error = "zlib could not compress the picture";
    return false;
  }
  packed.resize(packedSize);

  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian(header, static_cast<std::uint32_t>(image.height));
  // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filters, no interlace.
  header.insert(header.end(), {8, 2, 0, 0, 0});
  static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P',  'N',  'G',
                                                          '\r', '\n', 0x1A, '\n'};
  return std::fwrite(kSignature.data(), 1, kSignature.size(), file) == kSignature.size() &&
         WriteChunk(file, "IHDR", header) && WriteChunk(file, "IDAT", packed) &&
         WriteChunk(file, "IEND", {});
}

}  // namespace veltrisko
