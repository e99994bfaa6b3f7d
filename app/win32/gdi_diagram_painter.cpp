// SPDX-License-Identifier: MIT
#include "app/win32/gdi_diagram_painter.h"

#include <cmath>
#include <vector>

#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

COLORREF ColourOf(Rgb c) { return RGB(c.r, c.g, c.b); }

int Pixels(double value, double scale) { return static_cast<int>(std::lround(value * scale)); }

// Whole pixels rounded down, so that a text never gets wider than measured.
HFONT FontOf(double size, bool bold, double scale, int weight = FW_NORMAL, bool underline = false) {
  const int height = std::max(1, static_cast<int>(std::floor(size * scale)));
  return CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : weight, FALSE, underline, FALSE,
                     DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, L"Tahoma");
}

// The program's interface face, as its windows and legends set it.
HFONT InterfaceFontOf(const Label& label, double scale) {
  const int height = std::max(1, static_cast<int>(std::floor(label.size * scale)));
  // The normal weight is asked for as "any", as the interface always did.
  const int weight = label.bold ? FW_BOLD : label.weight == FW_NORMAL ? FW_DONTCARE : label.weight;
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, label.underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

// The system's message face at the label's size.
HFONT MessageFontOf(const Label& label, double scale) {
  LOGFONTW font = MessageFontLook();
  font.lfHeight = -std::max(1, static_cast<int>(std::floor(label.size * scale)));
  if (label.bold || label.weight != FW_NORMAL) font.lfWeight = label.bold ? FW_BOLD : label.weight;
  font.lfUnderline = label.underline;
  return CreateFontIndirectW(&font);
}

SIZE ExtentOf(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

HPEN PenOf(Rgb colour, double width, Stroke stroke, double scale) {
  LOGBRUSH brush{BS_SOLID, ColourOf(colour), 0};
  const DWORD style = stroke == Stroke::kDashed   ? PS_DASH
                      : stroke == Stroke::kDotted ? PS_DOT
                                                  : PS_SOLID;
  return ExtCreatePen(PS_GEOMETRIC | style | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
                      std::max(1, Pixels(width, scale)), &brush, 0, nullptr);
}

class GdiPainter {
 public:
  GdiPainter(HDC dc, double scale, const DrawnLabel& drawn)
      : dc_(dc), scale_(scale), drawn_(drawn) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
  }

  void operator()(const Polyline& line) {
    std::vector<POINT> points;
    points.reserve(line.points.size());
    for (const Point& p : line.points) points.push_back({Pixels(p.x, scale_), Pixels(p.y, scale_)});
    const HPEN pen = PenOf(line.colour, line.width, line.stroke, scale_);
    const HGDIOBJ old = SelectObject(dc_, pen);
    ::Polyline(dc_, points.data(), static_cast<int>(points.size()));
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

  void operator()(const Circle& circle) {
    const HPEN pen = PenOf(circle.colour, circle.width, Stroke::kSolid, scale_);
    const HGDIOBJ old = SelectObject(dc_, pen);
    const double r = circle.radius;
    Ellipse(dc_, Pixels(circle.centre.x - r, scale_), Pixels(circle.centre.y - r, scale_),
            Pixels(circle.centre.x + r, scale_) + 1, Pixels(circle.centre.y + r, scale_) + 1);
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

  void operator()(const Label& label) {
    const HFONT font = label.face == Face::kInterface ? InterfaceFontOf(label, scale_)
                       : label.face == Face::kMessage
                           ? MessageFontOf(label, scale_)
                           : FontOf(label.size, label.bold, scale_, label.weight, label.underline);
    const HGDIOBJ old = SelectObject(dc_, font);
    const UINT align = label.anchor == Anchor::kStart    ? TA_LEFT
                       : label.anchor == Anchor::kMiddle ? TA_CENTER
                                                         : TA_RIGHT;
    const bool top = label.line == LineAnchor::kTop;
    SetTextAlign(dc_, align | (top ? TA_TOP : TA_BASELINE) | TA_NOUPDATECP);
    SetTextColor(dc_, ColourOf(label.colour));
    const std::string shown = ElideToWidth(
        label.text, Pixels(label.maxWidth, scale_),
        [&](const std::string& s) { return static_cast<int>(ExtentOf(dc_, Widen(s)).cx); });
    const std::wstring text = Widen(shown);
    const int x = Pixels(label.at.x, scale_), y = Pixels(label.at.y, scale_);
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    if (drawn_) {
      const SIZE size = ExtentOf(dc_, text);
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc_, &metrics);
      const int left = align == TA_LEFT ? x : align == TA_CENTER ? x - size.cx / 2 : x - size.cx;
      const int cellTop = top ? y : y - metrics.tmAscent;
      drawn_(label, shown, RECT{left, cellTop, left + size.cx, cellTop + size.cy});
    }
    SelectObject(dc_, old);
    DeleteObject(font);
  }

  void operator()(const FilledRect& rect) {
    const RECT area{Pixels(rect.at.x, scale_), Pixels(rect.at.y, scale_),
                    Pixels(rect.at.x + rect.width, scale_),
                    Pixels(rect.at.y + rect.height, scale_)};
    const HBRUSH brush = CreateSolidBrush(ColourOf(rect.fill));
    if (!rect.outline) {
      FillRect(dc_, &area, brush);
      DeleteObject(brush);
      return;
    }
    // The outline on the rectangle's outermost pixels, one pixel wide.
    const HPEN pen = CreatePen(PS_SOLID, 0, ColourOf(*rect.outline));
    const HGDIOBJ oldBrush = SelectObject(dc_, brush);
    const HGDIOBJ oldPen = SelectObject(dc_, pen);
    Rectangle(dc_, area.left, area.top, area.right, area.bottom);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
  }

 private:
  HDC dc_;
  double scale_;
  const DrawnLabel& drawn_;
};

}  // namespace

LOGFONTW MessageFontLook() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return metrics.lfMessageFont;
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

double GdiTextWidth(const std::string& utf8, double size, bool bold) {
  static const HDC measuring = CreateCompatibleDC(nullptr);
  const HFONT font = FontOf(size, bold, 1.0);
  const HGDIOBJ old = SelectObject(measuring, font);
  const std::wstring text = Widen(utf8);
  SIZE extent{};
  GetTextExtentPoint32W(measuring, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(measuring, old);
  DeleteObject(font);
  return extent.cx;
}

void PaintDrawingGdi(HDC dc, const Drawing& drawing, double scale, const DrawnLabel& drawn) {
  const RECT all{0, 0, Pixels(drawing.width, scale), Pixels(drawing.height, scale)};
  const HBRUSH background = CreateSolidBrush(ColourOf(drawing.background));
  FillRect(dc, &all, background);
  DeleteObject(background);
  GdiPainter painter(dc, scale, drawn);
  for (const Shape& shape : drawing.shapes) std::visit(painter, shape);
}

void PaintBuffered(HDC dc, int x, int y, int width, int height,
                   const std::function<void(HDC memory)>& paint, const char* dumpName) {
  if (width <= 0 || height <= 0) return;
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  paint(memory);
  BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  if (dumpName != nullptr) DumpBitmap(memory, bitmap, width, height, dumpName);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

RgbImage DrawingImage(const Drawing& drawing) {
  RgbImage image;
  image.width = static_cast<int>(std::lround(drawing.width));
  image.height = static_cast<int>(std::lround(drawing.height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    DeleteDC(dc);
    return {};
  }
  const HGDIOBJ old = SelectObject(dc, bitmap);
  PaintDrawingGdi(dc, drawing);
  GdiFlush();
  const auto* bgrx = static_cast<const unsigned char*>(bits);
  const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
  image.rgb.reserve(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i)
    image.rgb.insert(image.rgb.end(), {bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]});
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return image;
}

}  // namespace veltrisko
