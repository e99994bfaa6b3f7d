// SPDX-License-Identifier: MIT
#include "diagram/diagram_files.h"

#include <charconv>
#include <cstdio>

#include "diagram/diagram_texts.h"

namespace veltrisko {
namespace {

// Two decimals without trailing zeros, whatever the locale.
std::string Number(double value) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  std::string result(text, error == std::errc() ? end : text);
  if (result.find('.') != std::string::npos) {
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
  }
  return result == "-0" ? "0" : result;
}

std::string Colour(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Stroke(Rgb colour, double width, veltrisko::Stroke stroke) {
  std::string s =
      " fill=\"none\" stroke=\"" + Colour(colour) + "\" stroke-width=\"" + Number(width) + "\"";
  if (stroke == Stroke::kDashed) s += " stroke-dasharray=\"8 4\"";
  if (stroke == Stroke::kDotted) s += " stroke-dasharray=\"2 3\"";
  return s;
}

std::string Element(const Polyline& line) {
  std::string points;
  for (const Point& p : line.points) {
    if (!points.empty()) points += ' ';
    points += Number(p.x) + "," + Number(p.y);
  }
  return "<polyline points=\"" + points + "\"" + Stroke(line.colour, line.width, line.stroke) +
         " stroke-linejoin=\"round\"/>\n";
}

std::string Element(const Circle& circle) {
  return "<circle cx=\"" + Number(circle.centre.x) + "\" cy=\"" + Number(circle.centre.y) +
         "\" r=\"" + Number(circle.radius) + "\"" +
         Stroke(circle.colour, circle.width, Stroke::kSolid) + "/>\n";
}

std::string Element(const Label& label) {
  static const char* const anchors[] = {"start", "middle", "end"};
  // The reader picks the face, so a shortened text is measured by estimate.
  const std::string text =
      ElideToWidth(label.text, static_cast<int>(label.maxWidth), [&](const std::string& s) {
        return static_cast<int>(EstimatedTextWidth(s, label.size, label.bold));
      });
  const int weight = label.bold ? 700 : label.weight;
  return "<text x=\"" + Number(label.at.x) + "\" y=\"" + Number(label.at.y) + "\" font-size=\"" +
         Number(label.size) + "\" text-anchor=\"" + anchors[static_cast<int>(label.anchor)] + "\"" +
         (label.bold      ? " font-weight=\"bold\""
          : weight != 400 ? " font-weight=\"" + std::to_string(weight) + "\""
                          : std::string()) +
         (label.line == LineAnchor::kTop ? " dominant-baseline=\"text-before-edge\"" : "") +
         (label.underline ? " text-decoration=\"underline\"" : "") + " fill=\"" +
         Colour(label.colour) + "\">" + Escaped(text) + "</text>\n";
}

std::string Element(const FilledRect& rect) {
  // An outline lies on the rectangle's outermost pixels, so its stroke runs
  // half a pixel inside the edge.
  if (!rect.outline)
    return "<rect x=\"" + Number(rect.at.x) + "\" y=\"" + Number(rect.at.y) + "\" width=\"" +
           Number(rect.width) + "\" height=\"" + Number(rect.height) + "\" fill=\"" +
           Colour(rect.fill) + "\"/>\n";
  return "<rect x=\"" + Number(rect.at.x + 0.5) + "\" y=\"" + Number(rect.at.y + 0.5) +
         "\" width=\"" + Number(rect.width - 1.0) + "\" height=\"" + Number(rect.height - 1.0) +
         "\" fill=\"" + Colour(rect.fill) + "\" stroke=\"" + Colour(*rect.outline) +
         "\" stroke-width=\"1\"/>\n";
}

}  // namespace

std::string DrawingSvg(const Drawing& drawing, const std::string& title) {
  const std::string w = Number(drawing.width), h = Number(drawing.height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
      "\" font-family=\"sans-serif\">\n<title>" + Escaped(title) + "</title>\n<rect width=\"" + w +
      "\" height=\"" + h + "\" fill=\"" + Colour(drawing.background) + "\"/>\n";
  for (const Shape& shape : drawing.shapes)
    svg += std::visit([](const auto& s) { return Element(s); }, shape);
  return svg + "</svg>\n";
}

std::string DiagramSvg(const DiagramInput& input) {
  const Drawing page =
      DescribeDiagramPage(input, kDiagramPageWidth, kDiagramPageHeight, EstimatedTextWidth);
  const std::string title = DiagramPageTitle(input);
  return DrawingSvg(page, title);
}

std::string DiagramCsv(const DiagramInput& input, CutKind kind) {
  const std::optional<CutCurves>& curves = input.Cut(kind);
  if (!curves) return {};
  const std::optional<std::vector<float>>& imported = input.Imported(kind);
  std::string csv = std::string("# ") + (kind == CutKind::kHorizontal ? "horizontal" : "vertical") +
                    " cut; HCM antenna codes: horizontal " + input.horizontalCode + ", vertical " +
                    input.verticalCode + "; rule HCM " + (input.useHcmV7 ? "V7" : "V6");
  if (!input.importedName.empty()) csv += "; imported file: " + input.importedName;
  csv += "\n";
  const std::string table = CutCsv(*curves);
  if (!imported) return csv + table;
  // One more column: the file's gain on each row.
  std::size_t row = 0, start = 0;
  char value[32];
  while (start < table.size()) {
    const std::size_t end = table.find('\n', start);
    csv.append(table, start, end - start);
    if (row == 0) {
      csv += ",imported_gain_db";
    } else if (row - 1 < imported->size()) {
      std::snprintf(value, sizeof value, ",%.9g", (*imported)[row - 1] + 0.0f);
      csv += value;
    }
    csv += '\n';
    start = end + 1;
    ++row;
  }
  return csv;
}

}  // namespace veltrisko
