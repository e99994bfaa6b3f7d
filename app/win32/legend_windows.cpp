// SPDX-License-Identifier: MIT
#include "app/win32/legend_windows.h"

#include <algorithm>
#include <string>

#include "app/logic/legend_content.h"
#include "app/logic/process_objects.h"
#include "app/win32/test_dumps.h"
#include "app/win32/viewer_language.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

constexpr COLORREF kKeyOutlineColour = RGB(64, 64, 64);
// A code the model rejects is printed in red and underlined.
constexpr COLORREF kMarkedTextColour = RGB(200, 0, 0);

std::function<InfoLegendContent()> infoContent = [] {
  return InfoLegendOf(sceneState, horizontalPanel.Code(), verticalPanel.Code(), viewerLanguage);
};
std::function<ColourLegendContent()> colourContent = [] { return ColourLegendOf(sceneState); };

// The legends' fixed layout has 20-pixel lines; the face at its default
// height is larger on some systems (under Wine the lines overlap and the
// labels are cut), so both viewers ask for 11-pixel characters.
constexpr int kLegendCharacterHeight = -11;

HFONT LegendFont(int weight, bool underline = false) {
  return CreateFontW(kLegendCharacterHeight, 0, 0, 0, weight, FALSE, underline, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

// What a legend drew where, for a test that checks that every text lies
// inside the legend and clear of the others: "<left> <top> <right> <bottom>
// <text>" a line after the client size.
class DrawnPlaces {
 public:
  DrawnPlaces(const char* name, const RECT& client)
      : name_(name),
        lines_("client " + std::to_string(client.right) + " " + std::to_string(client.bottom) +
               "\n") {}
  void Add(const RECT& r, const std::string& text) {
    lines_ += std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
              " " + std::to_string(r.bottom) + " " + text + "\n";
  }
  ~DrawnPlaces() { DumpText(name_.c_str(), lines_); }
  DrawnPlaces(const DrawnPlaces&) = delete;
  DrawnPlaces& operator=(const DrawnPlaces&) = delete;

 private:
  std::string name_;
  std::string lines_;
};

// Draws at the dc's text alignment; returns the cell the text covers.
RECT DrawText(HDC dc, int x, int y, const std::string& utf8) {
  const std::wstring text = Widen(utf8);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  const int left = (GetTextAlign(dc) & TA_RIGHT) != 0 ? x - size.cx : x;
  return RECT{left, y, left + size.cx, y + size.cy};
}

// Paints through a memory bitmap of the client size and copies it to the
// window in one go, so that a repaint does not flicker.
template <typename Paint>
void PaintBuffered(HWND window, const char* dumpName, Paint paint) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  paint(memory, client);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DumpBitmap(memory, bitmap, width, height, dumpName);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window, &ps);
}

void PaintInfoLegend(HDC dc, const RECT& client) {
  const HBRUSH background = CreateSolidBrush(kLegendBackground);
  FillRect(dc, &client, background);
  DeleteObject(background);
  const HFONT font = LegendFont(FW_DONTCARE);
  const HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  SetBkMode(dc, TRANSPARENT);

  const InfoLegendContent content = infoContent();
  std::string drawn;
  DrawnPlaces places("info-legend-places", client);
  for (const KeyEntry& key : content.keys) {
    const HBRUSH brush = CreateSolidBrush(key.colour);
    const HPEN pen = CreatePen(PS_SOLID, 0, kKeyOutlineColour);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, key.x + 1, key.y + 5, key.x + 8, key.y + 12);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    RECT covered = DrawText(dc, key.x + 12, key.y, key.label);
    covered.left = key.x + 1;  // the colour's square is part of the key
    places.Add(covered, key.label);
    drawn += key.label + "\n";
  }
  const HFONT markedFont = LegendFont(FW_DONTCARE, true);
  for (std::size_t i = 0; i < content.lines.size(); ++i) {
    const TextLine& line = content.lines[i];
    const bool marked = std::find(content.markedLines.begin(), content.markedLines.end(), i) !=
                        content.markedLines.end();
    SelectObject(dc, marked ? markedFont : font);
    SetTextColor(dc, marked ? kMarkedTextColour : RGB(0, 0, 0));
    const std::string text = ElideToWidth(line.text, line.maxWidth, [&](const std::string& s) {
      const std::wstring wide = Widen(s);
      SIZE size{0, 0};
      GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
      return static_cast<int>(size.cx);
    });
    places.Add(DrawText(dc, line.x, line.y, text), text);
    drawn += (marked ? "[marked] " : "") + text + "\n";
  }
  SelectObject(dc, oldFont);
  DeleteObject(markedFont);
  DeleteObject(font);
  DumpText("info-legend", drawn);
}

void PaintColourLegend(HDC dc, const RECT& client) {
  const ColourLegendContent content = colourContent();
  for (const ColourBand& band : content.bands) {
    const RECT area{band.left, client.top, band.right, client.bottom};
    const HBRUSH brush = CreateSolidBrush(band.colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  }
  const HFONT font = LegendFont(kColourLabelWeight);
  const HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, kColourLabelColour);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  DrawnPlaces places("colour-legend-places", client);
  places.Add(DrawText(dc, kColourLeftLabelX, 0, content.leftLabel), content.leftLabel);
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  places.Add(DrawText(dc, kColourRightLabelEnd, 0, content.rightLabel), content.rightLabel);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  DumpText("colour-legend", content.leftLabel + "\n" + content.rightLabel + "\n");
}

}  // namespace

void SetLegendContent(std::function<InfoLegendContent()> info,
                      std::function<ColourLegendContent()> colours) {
  infoContent = std::move(info);
  colourContent = std::move(colours);
}

LRESULT CALLBACK InfoLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PaintBuffered(window, "info-legend", PaintInfoLegend);
  return 0;
}

LRESULT CALLBACK ColourLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PaintBuffered(window, "colour-legend", PaintColourLegend);
  return 0;
}

}  // namespace veltrisko
