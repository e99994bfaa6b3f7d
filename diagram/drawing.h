// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace veltrisko {

// The curves of the 2-D diagrams, each switchable, in a fixed colour; the
// imported one exists only while a pattern file is loaded.
enum class DiagramCurve {
  kHorizontalGain,
  kVerticalGain,
  kV6,
  kV7,
  kDifference,
  kImported,
  kCount
};
inline constexpr int kDiagramCurveCount = static_cast<int>(DiagramCurve::kCount);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Drawing coordinates: pixels from the top-left corner, y downwards.
struct Point {
  double x = 0.0;
  double y = 0.0;
};

enum class Stroke { kSolid, kDashed, kDotted };

struct Polyline {
  std::vector<Point> points;
  Rgb colour;
  double width = 1.0;
  Stroke stroke = Stroke::kSolid;
  std::optional<DiagramCurve> curve;  // set on the plotted curves
};

struct Circle {
  Point centre;
  double radius = 0.0;
  Rgb colour;
  double width = 1.0;
};

enum class Anchor { kStart, kMiddle, kEnd };
enum class LabelRole { kTitle, kIdentity, kTick, kAxisTitle, kKey };

// One line of text in a sans-serif face of `size` pixels; `at` is on its
// baseline, at its start, middle or end.
struct Label {
  std::string text;  // UTF-8
  Point at;
  double size = 12.0;
  Rgb colour;
  Anchor anchor = Anchor::kStart;
  bool bold = false;
  LabelRole role = LabelRole::kTick;
};

using Shape = std::variant<Polyline, Circle, Label>;

// What a painter draws, in order, on a white canvas of width x height.
struct Drawing {
  double width = 0.0;
  double height = 0.0;
  std::vector<Shape> shapes;
};

// The advance of a text in the painter's sans-serif face at `size` pixels.
using TextWidth = std::function<double(const std::string& utf8, double size, bool bold)>;

// A generous estimate of TextWidth for common sans-serif faces, for output
// whose reader picks the face (SVG).
double EstimatedTextWidth(const std::string& utf8, double size, bool bold);

}  // namespace veltrisko
