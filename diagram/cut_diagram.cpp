// SPDX-License-Identifier: MIT
#include "diagram/cut_diagram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "diagram/diagram_texts.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

constexpr double kFloorDb = -40.0;
constexpr double kRingStepDb = 10.0;
constexpr double kMargin = 8.0;
constexpr double kTitleSize = 15.0;
constexpr double kLineSize = 12.0;
constexpr double kTickSize = 11.0;
constexpr double kKeySize = 12.0;
constexpr double kKeySample = 24.0;
constexpr double kKeyGap = 5.0;
constexpr double kKeySpacing = 16.0;
constexpr Rgb kText{0, 0, 0};
constexpr Rgb kGrey{90, 90, 90};
constexpr Rgb kGrid{205, 205, 205};
constexpr Rgb kFrame{120, 120, 120};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

std::string Degrees(double angle) {
  return std::to_string(static_cast<int>(std::lround(angle))) + "°";
}

std::string Decibels(double value) {
  return std::to_string(static_cast<int>(std::lround(value))) + " dB";
}

// Builds one drawing from the top down.
class Describer {
 public:
  Describer(const DiagramInput& input, CutKind kind, double width, double height,
            const TextWidth& textWidth)
      : input_(input), kind_(kind), width_(width), height_(height), textWidth_(textWidth) {
    plot_.drawing.width = width;
    plot_.drawing.height = height;
    plot_.frame.kind = kind;
    plot_.frame.style = input.style;
  }

  CutPlot Describe() {
    const double top = Titles();
    const double bottom = Key();
    if (input_.style == DiagramStyle::kPolar) {
      Polar(top, bottom);
    } else {
      Cartesian(top, bottom);
    }
    return std::move(plot_);
  }

 private:
  template <class S>
  void Add(S shape) {
    plot_.drawing.shapes.emplace_back(std::in_place_type<S>, std::move(shape));
  }

  // The size at which `text` fits into `room`, `size` at most.
  double FittingSize(const std::string& text, double size, bool bold, double room) const {
    const double needed = textWidth_(text, size, bold);
    return needed > room ? size * room / needed : size;
  }

  // A text of the catalogue in the input's language.
  std::string In(const veltrisko::Text& text) const { return InString(input_.language, text); }

  void Text(const std::string& text, Point at, double size, Rgb colour, Anchor anchor,
            LabelRole role, bool bold = false) {
    Add(Label{text, at, size, colour, anchor, bold, role});
  }

  // The lines above the plot; returns where the plot may begin.
  double Titles() {
    const std::string definition(FullCircle() ? In(texts::kVerticalCircleDefinition)
                                              : std::string(CutDefinition(kind_, input_.language)));
    const std::size_t colon = definition.find(": ");
    std::vector<std::pair<std::string, LabelRole>> lines = {
        {definition.substr(0, colon), LabelRole::kTitle},
        {definition.substr(colon + 2), LabelRole::kTitle},
        {PlotIdentity(input_), LabelRole::kIdentity}};
    if (!input_.importedName.empty())
      lines.emplace_back(ImportedFileLine(input_), LabelRole::kIdentity);
    double y = kMargin;
    const double room = width_ - 2.0 * kMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool bold = i == 0;
      const double size = FittingSize(lines[i].first, bold ? kTitleSize : kLineSize, bold, room);
      y += size * 1.25;
      Text(lines[i].first, {width_ / 2.0, y}, size, kText, Anchor::kMiddle, lines[i].second, bold);
    }
    return y + 8.0;
  }

  // The polar vertical plot shows the whole vertical circle, front and back.
  bool FullCircle() const {
    return kind_ == CutKind::kVertical && input_.style == DiagramStyle::kPolar;
  }

  bool Shown(DiagramCurve curve) const {
    if (!input_.visible[static_cast<int>(curve)]) return false;
    if (curve == DiagramCurve::kImported) return input_.Imported(kind_).has_value();
    return input_.Cut(kind_).has_value();
  }

  std::string KeyText(DiagramCurve curve) const {
    if (curve == DiagramCurve::kImported) return input_.importedName;
    std::string text = In(LookOf(curve).shortName);
    // On the polar plot the difference is drawn from the centre outwards.
    if (curve == DiagramCurve::kDifference && input_.style == DiagramStyle::kPolar)
      text += In(texts::kKeyRingsBefore) + Decibels(kRingStepDb) + In(texts::kKeyRingsAfter);
    return text;
  }

  // The key below the plot, entry after entry, a new row where the next
  // entry would not fit whole; returns where the plot must end.
  double Key() {
    struct Entry {
      DiagramCurve curve;
      std::string text;
      double size;
      double width;
    };
    const double room = width_ - 2.0 * kMargin;
    std::vector<std::vector<Entry>> rows(1);
    double rowWidth = 0.0;
    for (int k = 0; k < kDiagramCurveCount; ++k) {
      const auto curve = static_cast<DiagramCurve>(k);
      if (!Shown(curve)) continue;
      const std::string text = KeyText(curve);
      const double size = FittingSize(text, kKeySize, false, room - kKeySample - kKeyGap);
      const double width = kKeySample + kKeyGap + textWidth_(text, size, false);
      const double needed = rowWidth == 0.0 ? width : rowWidth + kKeySpacing + width;
      if (needed > room && !rows.back().empty()) {
        rows.emplace_back();
        rowWidth = width;
      } else {
        rowWidth = needed;
      }
      rows.back().push_back(Entry{curve, text, size, width});
    }
    if (rows.back().empty()) return height_ - kMargin;
    const double rowHeight = kKeySize * 1.6;
    double y = height_ - kMargin - rowHeight * static_cast<double>(rows.size());
    const double keyTop = y;
    for (const std::vector<Entry>& row : rows) {
      double total = -kKeySpacing;
      for (const Entry& e : row) total += e.width + kKeySpacing;
      double x = (width_ - total) / 2.0;
      const double baseline = y + kKeySize * 1.1;
      for (const Entry& e : row) {
        const CurveLook& look = LookOf(e.curve);
        const double mid = baseline - kKeySize * 0.35;
        Add(Polyline{{{x, mid}, {x + kKeySample, mid}}, look.colour, 2.0, look.stroke, {}});
        Text(e.text, {x + kKeySample + kKeyGap, baseline}, e.size, kText, Anchor::kStart,
             LabelRole::kKey);
        x += e.width + kKeySpacing;
      }
      y += rowHeight;
    }
    return keyTop - 6.0;
  }

  // The plotted value of one curve at the cut's i-th angle.
  static double Value(DiagramCurve curve, const CutCurves& c, const std::vector<float>* imported,
                      std::size_t i) {
    if (curve == DiagramCurve::kImported) return (*imported)[i];
    switch (curve) {
      case DiagramCurve::kHorizontalGain:
        return c.horizontalGainDb[i];
      case DiagramCurve::kVerticalGain:
        return c.verticalGainDb[i];
      case DiagramCurve::kV6:
        return -c.v6Db[i];
      case DiagramCurve::kV7:
        return -c.v7Db[i];
      default:
        return c.differenceDb[i];
    }
  }

  // Every shown curve through `place(angle, value, curve)`, the difference
  // last but one and the imported file's on top.
  // On the whole vertical circle the back half's points lead in and follow
  // on, so that the line runs once round from -180 to 180.
  template <class Place>
  void Curves(Place place) {
    const std::vector<float> angles = CutAngles(kind_, 1.0f);
    const bool circle = FullCircle() && input_.verticalBack;
    for (int k = 0; k < kDiagramCurveCount; ++k) {
      const auto curve = static_cast<DiagramCurve>(k);
      if (!Shown(curve)) continue;
      const bool imported = curve == DiagramCurve::kImported;
      const std::vector<float>* front = imported ? &*input_.Imported(kind_) : nullptr;
      const std::vector<float>* back =
          imported && input_.importedVerticalBack ? &*input_.importedVerticalBack : nullptr;
      const CurveLook& look = LookOf(curve);
      Polyline line{{}, look.colour, 2.0, look.stroke, curve};
      const std::size_t count = std::min(imported ? front->size() : angles.size(), angles.size());
      const bool withBack = circle && (!imported || (back && back->size() == count));
      const auto backPoint = [&](std::size_t i, double angle) {
        line.points.push_back(place(angle, Value(curve, *input_.verticalBack, back, i), curve));
      };
      // Elevation e of the back half is circle angle -180 - e below the
      // horizon and 180 - e above it.
      if (withBack) {
        for (std::size_t i = count; i-- > 0;) {
          if (angles[i] <= 0.0f && angles[i] > -90.0f) backPoint(i, -180.0 - angles[i]);
        }
      }
      for (std::size_t i = 0; i < count; ++i)
        line.points.push_back(place(angles[i], Value(curve, *input_.Cut(kind_), front, i), curve));
      if (withBack) {
        for (std::size_t i = count; i-- > 0;) {
          if (angles[i] >= 0.0f && angles[i] < 90.0f) backPoint(i, 180.0 - angles[i]);
        }
      }
      Add(std::move(line));
    }
  }

  void NoCurvesNote(Point at) {
    if (input_.Cut(kind_)) return;
    const std::string note = In(texts::kCodesNotEvaluated);
    Text(note, at, FittingSize(note, kLineSize, false, width_ - 2.0 * kMargin), kGrey,
         Anchor::kMiddle, LabelRole::kTitle);
  }

  // The cut's angle as a direction on the polar plot, clockwise from the top:
  // the horizontal cut has its main direction at the top, the vertical cut
  // the horizon on the right and the zenith at the top.
  double PolarAngle(double angle) const {
    return kind_ == CutKind::kVertical ? 90.0 - angle : angle;
  }

  void Polar(double top, double bottom) {
    const double labelRoom = 2.5 * kTickSize;
    const double radius = std::max(
        10.0, std::min(width_ / 2.0 - kMargin - 3.0 * kTickSize, (bottom - top) / 2.0 - labelRoom));
    const Point centre{width_ / 2.0, (top + bottom) / 2.0};
    plot_.frame.centre = centre;
    plot_.frame.radius = radius;
    const auto at = [&](double polarDegrees, double r) {
      return Point{centre.x + r * std::sin(Radians(polarDegrees)),
                   centre.y - r * std::cos(Radians(polarDegrees))};
    };
    const auto radiusOf = [&](double db) {
      return radius * (std::clamp(db, kFloorDb, 0.0) - kFloorDb) / -kFloorDb;
    };
    for (double db = kFloorDb + kRingStepDb; db <= 0.0; db += kRingStepDb)
      Add(Circle{centre, radiusOf(db), db == 0.0 ? kFrame : kGrid, 1.0});
    for (int p = 0; p < 360; p += 30) {
      Add(Polyline{{centre, at(p, radius)}, kGrid, 1.0, Stroke::kSolid, {}});
      // The vertical circle's left half is the back: its elevation rises
      // from the nadir (bottom) to the zenith (top) on that side too.
      const double angle = kind_ == CutKind::kVertical ? (p <= 180 ? 90.0 - p : p - 270.0)
                                                       : (p > 180 ? p - 360.0 : p);
      Point label = at(p, radius + 1.6 * kTickSize);
      label.y += kTickSize * 0.35;
      Text(Degrees(angle), label, kTickSize, kGrey, Anchor::kMiddle, LabelRole::kTick);
    }
    for (double db = kFloorDb; db <= 0.0; db += kRingStepDb) {
      Text(Decibels(db), {centre.x + 3.0, centre.y - radiusOf(db) - 3.0}, kTickSize * 0.9, kGrey,
           Anchor::kStart, LabelRole::kTick);
    }
    Curves([&](double angle, double value, DiagramCurve curve) {
      // The difference grows from the centre outwards.
      const double db = curve == DiagramCurve::kDifference ? kFloorDb + value : value;
      return at(PolarAngle(angle), radiusOf(db));
    });
    NoCurvesNote(centre);
  }

  void Cartesian(double top, double bottom) {
    const double left = kMargin + 4.5 * kTickSize;
    const double right = width_ - kMargin - 4.5 * kTickSize;
    top += 1.6 * kTickSize;
    bottom -= 3.2 * kTickSize;
    bottom = std::max(bottom, top + 10.0);
    plot_.frame.left = left;
    plot_.frame.right = std::max(right, left + 10.0);
    plot_.frame.top = top;
    plot_.frame.bottom = bottom;
    const PlotFrame& f = plot_.frame;
    const double limit = kind_ == CutKind::kHorizontal ? 180.0 : 90.0;
    const auto x = [&](double angle) {
      return f.left + (angle + limit) / (2.0 * limit) * (f.right - f.left);
    };
    const auto y = [&](double db) {
      return f.top + std::clamp(db, kFloorDb, 0.0) / kFloorDb * (f.bottom - f.top);
    };
    double largest = 0.0;
    if (input_.Cut(kind_)) {
      for (const float d : input_.Cut(kind_)->differenceDb) largest = std::max<double>(largest, d);
    }
    // The difference axis ends at the next multiple of 4 dB above the largest
    // difference, so that its five ticks fall on whole decibels.
    const double differenceTop = std::max(4.0, std::ceil(largest / 4.0) * 4.0);
    const auto yDifference = [&](double db) {
      return f.bottom - std::clamp(db / differenceTop, 0.0, 1.0) * (f.bottom - f.top);
    };
    for (double a = -limit; a <= limit; a += 30.0) {
      Add(Polyline{{{x(a), f.top}, {x(a), f.bottom}}, kGrid, 1.0, Stroke::kSolid, {}});
      Text(Degrees(a), {x(a), f.bottom + 1.3 * kTickSize}, kTickSize, kGrey, Anchor::kMiddle,
           LabelRole::kTick);
    }
    const Rgb differenceColour = LookOf(DiagramCurve::kDifference).colour;
    for (int i = 0; i <= 4; ++i) {
      const double db = kFloorDb + i * kRingStepDb;
      Add(Polyline{{{f.left, y(db)}, {f.right, y(db)}}, kGrid, 1.0, Stroke::kSolid, {}});
      Text(Decibels(db), {f.left - 4.0, y(db) + kTickSize * 0.35}, kTickSize, kGrey, Anchor::kEnd,
           LabelRole::kTick);
      const double d = differenceTop * i / 4.0;
      Text(Decibels(d), {f.right + 4.0, yDifference(d) + kTickSize * 0.35}, kTickSize,
           differenceColour, Anchor::kStart, LabelRole::kTick);
    }
    Add(Polyline{{{f.left, f.top},
                  {f.right, f.top},
                  {f.right, f.bottom},
                  {f.left, f.bottom},
                  {f.left, f.top}},
                 kFrame,
                 1.0,
                 Stroke::kSolid,
                 {}});
    Text(In(texts::kAxisGain), {f.left, f.top - 0.6 * kTickSize}, kTickSize, kGrey, Anchor::kMiddle,
         LabelRole::kAxisTitle);
    Text(In(texts::kAxisDifference), {f.right, f.top - 0.6 * kTickSize}, kTickSize,
         differenceColour, Anchor::kMiddle, LabelRole::kAxisTitle);
    Text(In(kind_ == CutKind::kHorizontal ? texts::kAxisRelativeAzimuth
                                          : texts::kAxisRelativeElevation),
         {(f.left + f.right) / 2.0, f.bottom + 2.7 * kTickSize}, kTickSize, kGrey, Anchor::kMiddle,
         LabelRole::kAxisTitle);
    Curves([&](double angle, double value, DiagramCurve curve) {
      return Point{x(angle), curve == DiagramCurve::kDifference ? yDifference(value) : y(value)};
    });
    NoCurvesNote({(f.left + f.right) / 2.0, (f.top + f.bottom) / 2.0});
  }

  const DiagramInput& input_;
  CutKind kind_;
  double width_;
  double height_;
  const TextWidth& textWidth_;
  CutPlot plot_;
};

}  // namespace

DiagramInput ComputeDiagramInput(const std::string& horizontalCode, const std::string& verticalCode,
                                 bool useHcmV7) {
  DiagramInput input;
  input.horizontalCode = horizontalCode;
  input.verticalCode = verticalCode;
  input.useHcmV7 = useHcmV7;
  const ParsedAntennaCode horizontal(horizontalCode.c_str());
  const ParsedAntennaCode vertical(verticalCode.c_str());
  input.horizontal = ComputeCut(CutKind::kHorizontal, horizontal, vertical, useHcmV7);
  input.vertical = ComputeCut(CutKind::kVertical, horizontal, vertical, useHcmV7);
  input.verticalBack = ComputeBackVerticalCut(horizontal, vertical, useHcmV7);
  return input;
}

CutPlot DescribeCutPlot(const DiagramInput& input, CutKind kind, double width, double height,
                        const TextWidth& textWidth) {
  return Describer(input, kind, width, height, textWidth).Describe();
}

Drawing DescribeDiagramPage(const DiagramInput& input, double width, double height,
                            const TextWidth& textWidth) {
  Drawing page{width, height, {}};
  const double half = width / 2.0;
  for (const CutKind kind : {CutKind::kHorizontal, CutKind::kVertical}) {
    const double dx = kind == CutKind::kHorizontal ? 0.0 : half;
    for (Shape& shape : DescribeCutPlot(input, kind, half, height, textWidth).drawing.shapes) {
      std::visit(
          [dx](auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Polyline>) {
              for (Point& p : s.points) p.x += dx;
            } else if constexpr (std::is_same_v<S, Circle>) {
              s.centre.x += dx;
            } else {
              s.at.x += dx;
            }
          },
          shape);
      page.shapes.push_back(std::move(shape));
    }
  }
  return page;
}

std::optional<PlotFrame> DiagramPagePlotAt(const DiagramInput& input, double width, double height,
                                           const TextWidth& textWidth, Point point) {
  if (point.x < 0.0 || point.x > width || point.y < 0.0 || point.y > height) return std::nullopt;
  const double half = width / 2.0;
  const CutKind kind = point.x < half ? CutKind::kHorizontal : CutKind::kVertical;
  PlotFrame frame = DescribeCutPlot(input, kind, half, height, textWidth).frame;
  if (kind == CutKind::kVertical) {  // shifted as DescribeDiagramPage shifts its shapes
    frame.centre.x += half;
    frame.left += half;
    frame.right += half;
  }
  return frame;
}

std::optional<double> CutAngleAt(const PlotFrame& frame, Point point) {
  const double limit = frame.kind == CutKind::kHorizontal ? 180.0 : 90.0;
  if (frame.style == DiagramStyle::kCartesian) {
    if (point.x < frame.left || point.x > frame.right || point.y < frame.top ||
        point.y > frame.bottom || frame.right <= frame.left)
      return std::nullopt;
    return -limit + (point.x - frame.left) / (frame.right - frame.left) * 2.0 * limit;
  }
  const double dx = point.x - frame.centre.x, dy = frame.centre.y - point.y;
  if (std::hypot(dx, dy) > frame.radius * 1.05) return std::nullopt;
  const double polar = std::atan2(dx, dy) * 180.0 / std::numbers::pi;  // clockwise from the top
  if (frame.kind == CutKind::kHorizontal) return polar;
  const double angle = 90.0 - polar;  // -90 .. 270
  return angle > 180.0 ? angle - 360.0 : angle;
}

CirclePoint OnVerticalCircle(double angle) {
  if (angle > 90.0) return {180.0 - angle, true};
  if (angle < -90.0) return {-180.0 - angle, true};
  return {angle, false};
}

}  // namespace veltrisko
