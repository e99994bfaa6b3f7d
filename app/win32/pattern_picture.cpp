// SPDX-License-Identifier: MIT
#include "app/win32/pattern_picture.h"

#include <GL/gl.h>

#include "app/logic/code_feedback.h"
#include "app/logic/readout_view.h"
#include "app/win32/gdi_diagram_painter.h"
#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"
#include "render/gl/draw_pattern.h"

#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

namespace veltrisko {
namespace {

// The user's message font, as the system draws tooltips and message boxes.
HFONT MessageFont() {
  const LOGFONTW look = MessageFontLook();
  return CreateFontIndirectW(&look);
}

// Runs `draw` with the message font selected.
template <typename Draw>
void WithFont(HDC dc, Draw draw) {
  const HFONT font = MessageFont();
  const HGDIOBJ old = SelectObject(dc, font);
  draw();
  SelectObject(dc, old);
  DeleteObject(font);
}

// The selected message font's measures.
MessageFace MessageFaceOf(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return {static_cast<double>(metrics.tmHeight - metrics.tmInternalLeading),
          static_cast<double>(metrics.tmHeight), [dc](const std::string& s) {
            const std::wstring text = Widen(s);
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            return static_cast<double>(size.cx);
          }};
}

// Paints a drawing with its top-left corner at (x, y).
void PaintAt(HDC dc, const Drawing& drawing, int x, int y) {
  POINT old{};
  SetViewportOrgEx(dc, x, y, &old);
  PaintDrawingGdi(dc, drawing);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace

void PatternPicture::Release() {
  context_.DeleteContext();
  surface_.reset();
}

bool PatternPicture::EnsureSurface(int width, int height) {
  // Exactly the picture's size: OpenGL may rasterise the same frame a little
  // differently in a larger buffer.
  if (surface_ && surface_->Width() == width && surface_->Height() == height &&
      context_.HasContext())
    return true;
  context_.DeleteContext();
  surface_ = std::make_unique<HeadlessSurface>(width, height);
  if (context_.MakeCurrent(surface_.get())) return true;
  error_ = surface_->Error();
  context_.DeleteContext();
  surface_.reset();
  return false;
}

bool PatternPicture::Render(int width, int height, const SceneState& scene,
                            const char* horizontalCode, const char* verticalCode,
                            const FrameOptions& options) {
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  bgra_.assign(static_cast<std::size_t>(width_) * height_ * 4, 0xFF);
  findings_.reset();
  if (width_ == 0 || height_ == 0) return true;
  if (!EnsureSurface(width_, height_) || !context_.MakeCurrent(surface_.get())) return false;
  // Each frame sets all the state it draws with, so the picture of a state
  // does not depend on the frames before it (and equals the Linux one).
  const ClientRect client{0, 0, width_, height_};
  DrawPattern(scene, client, horizontalCode, verticalCode, options, &findings_);
  DumpFrame(width_, height_);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, width_, height_, GL_BGRA_EXT, GL_UNSIGNED_BYTE, bgra_.data());
  context_.MakeCurrent(nullptr);
  return true;
}

void PatternPicture::CopyTo(HDC dc) const {
  if (width_ == 0 || height_ == 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = height_;  // bottom row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                    static_cast<UINT>(height_), bgra_.data(), &info, DIB_RGB_COLORS);
}

void DrawCodeMessage(HDC dc, const std::string& utf8) {
  if (utf8.empty()) return;
  WithFont(dc, [&] {
    const Drawing drawing = CodeMessageDrawing(utf8, MessageFaceOf(dc));
    PaintAt(dc, drawing, kCodeMessageMargin, kCodeMessageMargin);
  });
}

LegendRect DrawReadoutBox(HDC dc, const std::string& utf8, POINT cursor, SIZE view,
                          const LegendRect& keepClear) {
  LegendRect at{0, 0, 0, 0};
  if (utf8.empty()) return at;
  WithFont(dc, [&] {
    const Drawing drawing = ReadoutBoxDrawing(utf8, MessageFaceOf(dc));
    at = PlaceReadoutBoxDrawing(drawing, cursor.x, cursor.y, view.cx, view.cy, keepClear);
    PaintAt(dc, drawing, at.x, at.y);
  });
  return at;
}

}  // namespace veltrisko
