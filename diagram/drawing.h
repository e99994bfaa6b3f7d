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

// A rectangle covering x .. x+width and y .. y+height, filled; with an
// outline, that is drawn on its outermost pixels, inside the rectangle.
struct FilledRect {
  Point at;  // the top-left corner
  double width = 0.0;
  double height = 0.0;
  Rgb fill;
  std::optional<Rgb> outline;
};

enum class Anchor { kStart, kMiddle, kEnd };
// What a text is, so that code finds a line by its meaning, never by its
// place: the diagrams' titles, ticks and key; the legends' key entries (the
// surface's one apart), code lines (marked while the model rejects the
// code), file line, other lines and scale ends; the readout box's lines and
// the message over the picture.
enum class LabelRole {
  kTitle,
  kIdentity,
  kTick,
  kAxisTitle,
  kKey,
  kSurfaceKey,
  kHorizontalCode,
  kVerticalCode,
  kRejectedCode,
  kFile,
  kLegendLine,
  kScaleEnd,
  kReadout,
  kCodeMessage,
};

// The face a text is set in: the diagrams' sans-serif face, the viewer's
// interface face that the legends use, or the face the system shows
// messages and tooltips in (the lines over the picture), each at the
// label's size.
enum class Face { kDiagram, kInterface, kMessage };

// Where `at` lies on the text's line: on its baseline, or at its top (the
// line's ascent above the baseline).
enum class LineAnchor { kBaseline, kTop };

// One line of text of `size` pixels; `at` is at its start, middle or end.
struct Label {
  std::string text;  // UTF-8
  Point at;
  double size = 12.0;
  Rgb colour;
  Anchor anchor = Anchor::kStart;
  bool bold = false;
  LabelRole role = LabelRole::kTick;
  Face face = Face::kDiagram;
  LineAnchor line = LineAnchor::kBaseline;
  int weight = 400;  // as in CSS, 400 normal, 600 semi-bold; `bold` makes it 700
  bool underline = false;
  // Wider than this in its face, the painter shortens the text in the middle
  // (ElideToWidth); 0: never shortened.
  double maxWidth = 0.0;
};

using Shape = std::variant<Polyline, Circle, Label, FilledRect>;

// What a painter draws, in order, on a canvas of width x height filled with
// `background`; `smooth` false draws shapes on whole pixels, unblended.
struct Drawing {
  double width = 0.0;
  double height = 0.0;
  std::vector<Shape> shapes;
  Rgb background{255, 255, 255};
  bool smooth = true;
};

// The labels of `drawing` that have `role`, in drawing order.
std::vector<const Label*> LabelsOf(const Drawing& drawing, LabelRole role);

// `text` shortened in the middle with "…" until `width` of it is at most
// `maxWidth`, keeping its first and its last characters (a file name's
// extension); whole UTF-8 characters only. The text as it is where it fits.
std::string ElideToWidth(const std::string& text, int maxWidth,
                         const std::function<int(const std::string&)>& width);

// The advance of a text in the painter's sans-serif face at `size` pixels.
using TextWidth = std::function<double(const std::string& utf8, double size, bool bold)>;

// A generous estimate of TextWidth for common sans-serif faces, for output
// whose reader picks the face (SVG).
double EstimatedTextWidth(const std::string& utf8, double size, bool bold);

}  // namespace veltrisko
