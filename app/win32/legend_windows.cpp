// SPDX-License-Identifier: MIT
#include "app/win32/legend_windows.h"

#include <algorithm>
#include <string>

#include "app/logic/legend_content.h"
#include "app/logic/legend_drawing.h"
#include "app/win32/gdi_diagram_painter.h"
#include "app/win32/test_dumps.h"
#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

// Set before the legend windows are made (SetLegendContent).
std::function<InfoLegendContent()> infoContent;
std::function<ColourLegendContent()> colourContent;

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

// Paints the whole client area through a memory bitmap.
void PaintLegend(HWND window, const char* dumpName, void (*paint)(HDC, const RECT&)) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  PaintBuffered(
      dc, 0, 0, client.right, client.bottom, [&](HDC memory) { paint(memory, client); }, dumpName);
  EndPaint(window, &ps);
}

void PaintInfoLegend(HDC dc, const RECT& client) {
  const Drawing drawing = InfoLegendDrawing(infoContent());
  // The client area may be larger than the drawing while the legend grows.
  const HBRUSH background =
      CreateSolidBrush(RGB(drawing.background.r, drawing.background.g, drawing.background.b));
  FillRect(dc, &client, background);
  DeleteObject(background);
  std::string drawn;
  DrawnPlaces places("info-legend-places", client);
  PaintDrawingGdi(dc, drawing, 1.0, [&](const Label& label, const std::string& text, RECT cell) {
    const bool key = label.role == LabelRole::kKey || label.role == LabelRole::kSurfaceKey;
    // The colour's square is part of the key.
    if (key) cell.left = static_cast<int>(label.at.x) - kKeyLabelOffset + 1;
    places.Add(cell, text);
    drawn += (label.role == LabelRole::kRejectedCode ? "[marked] " : "") + text + "\n";
  });
  DumpText("info-legend", drawn);
}

void PaintColourLegend(HDC dc, const RECT& client) {
  std::string drawn;
  DrawnPlaces places("colour-legend-places", client);
  PaintDrawingGdi(dc, ColourLegendDrawing(colourContent()), 1.0,
                  [&](const Label&, const std::string& text, const RECT& cell) {
                    places.Add(cell, text);
                    drawn += text + "\n";
                  });
  DumpText("colour-legend", drawn);
}

}  // namespace

void SetLegendContent(std::function<InfoLegendContent()> info,
                      std::function<ColourLegendContent()> colours) {
  infoContent = std::move(info);
  colourContent = std::move(colours);
}

LRESULT CALLBACK InfoLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PaintLegend(window, "info-legend", PaintInfoLegend);
  return 0;
}

LRESULT CALLBACK ColourLegendProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PaintLegend(window, "colour-legend", PaintColourLegend);
  return 0;
}

}  // namespace veltrisko
