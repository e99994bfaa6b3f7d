// SPDX-License-Identifier: MIT
#include "app/logic/readout_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/logic/dialog_placement.h"

namespace veltrisko {

FrameOptions FrameOptionsOf(const AnalysisViewState& state) {
  return FrameOptions{.differenceColouring = state.differenceView, .markedDirection = state.pinned};
}

Drawing ReadoutBoxDrawing(const std::string& text, const MessageFace& face) {
  Drawing drawing;
  if (text.empty()) return drawing;
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  double widest = 0.0;
  for (const std::string& line : lines) widest = std::max(widest, std::ceil(face.width(line)));
  const double inset = kReadoutBox.textInset;
  drawing.width = widest + 2 * inset;
  drawing.height = static_cast<double>(lines.size()) * face.lineHeight + 2 * inset;
  drawing.background = RgbOf(kReadoutBox.background);
  drawing.smooth = false;
  // The border is one pixel wide, as kReadoutBox says.
  const FilledRect box{
      {0, 0}, drawing.width, drawing.height, drawing.background, RgbOf(kReadoutBox.border)};
  drawing.shapes.emplace_back(std::in_place_type<FilledRect>, box);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Label label;
    label.text = lines[i];
    label.at = {inset, inset + static_cast<double>(i) * face.lineHeight};
    label.size = face.size;
    label.colour = RgbOf(kReadoutBox.text);
    label.role = LabelRole::kReadout;
    label.face = Face::kMessage;
    label.line = LineAnchor::kTop;
    drawing.shapes.push_back(std::move(label));
  }
  return drawing;
}

LegendRect PlaceReadoutBoxDrawing(const Drawing& box, int cursorX, int cursorY, int viewWidth,
                                  int viewHeight, const LegendRect& dialog) {
  return PlaceReadoutBox(cursorX, cursorY, static_cast<int>(std::ceil(box.width)),
                         static_cast<int>(std::ceil(box.height)), viewWidth, viewHeight, dialog);
}

bool IsClick(int dx, int dy) { return std::abs(dx) + std::abs(dy) <= kClickSlack; }

std::string CopiedReadoutText(const std::string& readoutText, const char* horizontalCode,
                              const char* verticalCode, bool useHcmV7) {
  if (readoutText.empty()) return readoutText;
  const std::string lines = readoutText.back() == '\n' ? readoutText : readoutText + "\n";
  // The same words in both languages, as the legend writes them.
  return lines + "Codes: " + (horizontalCode ? horizontalCode : "") + " / " +
         (verticalCode ? verticalCode : "") + ", HCM V" + (useHcmV7 ? "7" : "6") + "\n";
}

}  // namespace veltrisko
