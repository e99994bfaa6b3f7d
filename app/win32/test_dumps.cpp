// SPDX-License-Identifier: MIT
#include "app/win32/test_dumps.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/logic/fit_dialog_model.h"
#include "app/logic/fit_rows.h"
#include "diagram/drawing.h"
#include "files/atomic_file.h"

namespace veltrisko {
namespace {

std::string PathOf(const char* name, const char* extension) {
  const char* folder = std::getenv("VELTRISKO_DUMP_DIR");
  return std::string(folder) + "/" + name + extension;
}

// `rows` holds width * height RGB triples, top row first.
void WritePpm(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rows) {
  WriteFileAtomically(path, [&](std::FILE* file) {
    return std::fprintf(file, "P6\n%d %d\n255\n", width, height) > 0 &&
           std::fwrite(rows.data(), 1, rows.size(), file) == rows.size();
  });
}

}  // namespace

bool DumpsWanted() {
  const char* folder = std::getenv("VELTRISKO_DUMP_DIR");
  return folder != nullptr && *folder != '\0';
}

void DumpFrame(int width, int height) {
  if (!DumpsWanted() || width <= 0 || height <= 0) return;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<unsigned char> bottomUp(rowBytes * static_cast<std::size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  std::vector<unsigned char> rows(bottomUp.size());
  for (int y = 0; y < height; ++y) {
    std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * (height - 1 - y)),
                rowBytes, rows.begin() + static_cast<std::ptrdiff_t>(rowBytes * y));
  }
  WritePpm(PathOf("frame", ".ppm"), width, height, rows);
}

void DumpBitmap(HDC memoryDc, HBITMAP bitmap, int width, int height, const char* name) {
  if (!DumpsWanted() || width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<unsigned char> bgrx(static_cast<std::size_t>(width) * height * 4);
  GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(height), bgrx.data(), &info, DIB_RGB_COLORS);
  std::vector<unsigned char> rows;
  rows.reserve(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < bgrx.size(); i += 4) {
    rows.insert(rows.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
  }
  WritePpm(PathOf(name, ".ppm"), width, height, rows);
}

void DumpText(const char* name, const std::string& text) {
  if (!DumpsWanted()) return;
  WriteTextFileAtomically(PathOf(name, ".txt"), text);
}

void DumpDrawing(const char* name, const Drawing& drawing) {
  if (!DumpsWanted()) return;
  std::string drawn;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* label = std::get_if<Label>(&shape)) drawn += label->text + "\n";
    if (const auto* line = std::get_if<Polyline>(&shape); line && line->curve)
      drawn += "curve " + std::to_string(static_cast<int>(*line->curve)) + " " +
               std::to_string(line->points.size()) + "\n";
  }
  DumpText(name, drawn);
}

void DumpFitRows(const char* name, const FitDialogView& view, Language language) {
  if (!DumpsWanted()) return;
  std::string lines;
  for (std::size_t which = 0; which < view.rows.size(); ++which) {
    lines += InString(language, kFitComponentNames[which]) + "\n";
    for (const auto& row : view.rows[which])
      lines += row[0] + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\n";
  }
  DumpText(name, lines + view.findings + "\n" + view.comparison + "\n" + view.pair + "\n" +
                     view.warnings + "\n");
}

}  // namespace veltrisko
