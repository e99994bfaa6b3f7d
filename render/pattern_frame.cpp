// SPDX-License-Identifier: MIT
#include "render/pattern_frame.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <vector>

#include "render/display_value.h"
#include "render/false_colour.h"
#include "render/sample_grid.h"

namespace veltrisko {
namespace {

class FrameRecorder {
 public:
  FrameRecorder(const SceneState& scene, DrawSink& out, const FrameOptions& options = {})
      : scene_(scene),
        out_(out),
        options_(options),
        displayRange_(DisplayRange(scene.logScale, scene.dbRange)) {}

  void Axes() {
    out_.Colour3(128, 128, 128);
    out_.Begin(PrimitiveMode::Lines);
    EmitRotated(-0.5f, 0, 0);
    EmitRotated(10.5f, 0, 0);
    EmitRotated(0, -0.5f, 0);
    EmitRotated(0, 10.5f, 0);
    EmitRotated(0, 0, -0.5f);
    EmitRotated(0, 0, 10.5f);
    out_.End();
  }

  // `otherRule` is asked for only with difference colouring: the pattern by
  // the rule not in force.
  void Passes(PatternLookup& lookup, PatternLookup* otherRule = nullptr,
              std::optional<DifferenceFindings>* findings = nullptr) {
    std::vector<PatternSample> samples;
    std::vector<float> attenuations;
    const bool difference = options_.differenceColouring && otherRule != nullptr;
    SampleSphere(scene_, displayRange_, lookup, samples, difference ? &attenuations : nullptr);
    const GridSize size = GridSizeFor(scene_.resolutionStep);
    std::vector<float> colourValues;
    DifferenceFindings found;
    if (difference) found = DifferenceColours(*otherRule, attenuations, colourValues);
    if (scene_.showSurface) Surface(samples, size, colourValues);
    if (scene_.showGrid) Grid(samples, size);
    out_.LineWidth(4.0f);
    if (scene_.showHorizontalDiagram) HorizontalDiagram(lookup);
    if (scene_.showVerticalDiagram) VerticalDiagram(lookup);
    if (scene_.showHorizontalCut) HorizontalCut(lookup);
    if (difference) {
      Marker(lookup, found.largestWorld, kLargestDifferenceMarker, 0.35f);
      if (findings != nullptr) *findings = found;
    }
    if (options_.markedDirection) {
      Marker(lookup, *options_.markedDirection, kMarkedDirectionMarker, 0.15f);
    }
    out_.LineWidth(1.0f);
  }

 private:
  void EmitRotated(float x, float y, float z) { EmitRotated(Vector3(x, y, z)); }
  void EmitRotated(Vector3 p) {
    p.Transform(scene_.modelRotation);
    out_.Vertex(p);
  }
  void EmitSpherical(float azimuth, float elevation, float radius) {
    EmitRotated(SphericalPoint(azimuth, elevation, radius));
  }
  float Radius(float attenuation) const { return DisplayValue(attenuation, displayRange_); }

  static Vector3 PointOf(const PatternSample& s) { return Vector3(s.x, s.y, s.z); }

  // A point at the origin keeps the zero vector as its normal.
  static Vector3 NormalOf(const PatternSample& s) {
    const double length = std::sqrt(double{s.x} * s.x + double{s.y} * s.y + double{s.z} * s.z);
    if (length == 0.0) return PointOf(s);
    return Vector3(static_cast<float>(s.x / length), static_cast<float>(s.y / length),
                   static_cast<float>(s.z / length));
  }

  // The colour values of difference colouring, |V6 - V7| as a share of the
  // scale's end, for every grid element.
  DifferenceFindings DifferenceColours(PatternLookup& otherRule, const std::vector<float>& inForce,
                                       std::vector<float>& colourValues) {
    std::vector<float> other;
    otherRule.FillGrid(PlanGridLookups(scene_), other);
    const GridSize size = GridSizeFor(scene_.resolutionStep);
    colourValues.resize(inForce.size());
    DifferenceFindings found;
    std::size_t largestAt = 0;
    for (std::size_t k = 0; k < inForce.size(); ++k) {
      colourValues[k] = std::fabs(inForce[k] - other[k]);
      if (colourValues[k] > found.largestDb) {
        found.largestDb = colourValues[k];
        largestAt = k;
      }
    }
    found.scaleEndDb = std::max(found.largestDb, 1.0f);
    for (float& value : colourValues) value /= found.scaleEndDb;
    const int step = scene_.resolutionStep;
    const auto row = static_cast<int>(largestAt / static_cast<std::size_t>(size.columns));
    const auto column = static_cast<int>(largestAt % static_cast<std::size_t>(size.columns));
    found.largestWorld = {static_cast<float>(-180 + column * step),
                          static_cast<float>(-90 + row * step)};
    return found;
  }

  // A cross on the surface at a world direction and a spike outwards.
  void Marker(PatternLookup& lookup, WorldDirection world, const std::uint8_t (&colour)[3],
              float spike) {
    const RelativeDirection relative = RelativeDirectionOf(scene_, world);
    const float r = Radius(lookup.At(relative.azimuth, relative.elevation));
    const Vector3 p = SphericalPoint(world.azimuth, world.elevation, r);
    const Vector3 outer = SphericalPoint(world.azimuth, world.elevation, r + spike);
    constexpr float kArm = 0.03f;
    out_.LineWidth(3.0f);
    out_.Colour3(colour[0], colour[1], colour[2]);
    out_.Begin(PrimitiveMode::Lines);
    EmitRotated(p);
    EmitRotated(outer);
    EmitRotated(p.x - kArm, p.y, p.z);
    EmitRotated(p.x + kArm, p.y, p.z);
    EmitRotated(p.x, p.y - kArm, p.z);
    EmitRotated(p.x, p.y + kArm, p.z);
    EmitRotated(p.x, p.y, p.z - kArm);
    EmitRotated(p.x, p.y, p.z + kArm);
    out_.End();
  }

  // Each strip runs once around the sphere; the vertices of the upper row
  // are one column ahead of those of the lower row, and a pair is coloured by
  // the element between them (by `colourValues` when given).
  void Surface(const std::vector<PatternSample>& s, GridSize size,
               const std::vector<float>& colourValues) {
    const int columns = size.columns;
    const bool coloured = scene_.falseColour || !colourValues.empty();
    out_.Colour4(160, 145, 220, 0);
    for (int i = 0; i + 1 < size.rows; ++i) {
      const PatternSample* row = &s[static_cast<std::size_t>(i) * columns];
      const PatternSample* above = row + columns;
      out_.Begin(PrimitiveMode::QuadStrip);
      for (int j = 0; j + 1 < columns; ++j) {
        out_.Normal(NormalOf(row[j]));
        if (coloured) {
          const std::size_t k = static_cast<std::size_t>(i) * columns + j + 1;
          const Colour c = FalseColourOf(colourValues.empty() ? row[j + 1].value : colourValues[k]);
          out_.Colour4(RedOf(c), GreenOf(c), BlueOf(c), 0);
        }
        out_.Vertex(PointOf(row[j]));
        out_.Vertex(PointOf(above[j + 1]));
      }
      // The closing pair keeps the colour of the pair before it.
      out_.Normal(NormalOf(row[0]));
      out_.Vertex(PointOf(row[0]));
      out_.Vertex(PointOf(above[1]));
      out_.End();
    }
  }

  void Grid(const std::vector<PatternSample>& s, GridSize size) {
    out_.DisableBlend();
    out_.Colour3(64, 64, 64);
    const auto at = [&](int i, int j) {
      return PointOf(s[static_cast<std::size_t>(i) * size.columns + j]);
    };
    for (int i = 0; i < size.rows; ++i) {
      out_.Begin(PrimitiveMode::LineStrip);
      for (int j = 0; j < size.columns; ++j) out_.Vertex(at(i, j));
      out_.End();
    }
    for (int j = 0; j < size.columns; ++j) {
      out_.Begin(PrimitiveMode::LineStrip);
      for (int i = 0; i < size.rows; ++i) out_.Vertex(at(i, j));
      out_.End();
    }
  }

  void HorizontalDiagram(PatternLookup& lookup) {
    out_.Colour3(255, 0, 0);
    out_.Begin(PrimitiveMode::LineStrip);
    for (int a = -180; a <= 180; a += scene_.resolutionStep) {
      const float r = Radius(lookup.At(static_cast<float>(a), 0.0f));
      EmitSpherical(static_cast<float>(a) + scene_.azimuth, scene_.elevation, r);
    }
    out_.End();
  }

  void VerticalDiagram(PatternLookup& lookup) {
    out_.Colour3(0, 255, 0);
    out_.Begin(PrimitiveMode::LineStrip);
    for (int e = -90; e <= 90; e += scene_.resolutionStep) {
      const float r = Radius(lookup.At(0.0f, static_cast<float>(e)));
      EmitSpherical(scene_.azimuth, static_cast<float>(e) + scene_.elevation, r);
    }
    out_.End();
  }

  void HorizontalCut(PatternLookup& lookup) {
    const int step = scene_.resolutionStep;
    out_.Colour3(128, 128, 255);
    out_.Begin(PrimitiveMode::LineStrip);
    // The cut shows the world horizon, which lies at relative elevation t;
    // beyond the poles it has no vertices.
    const float t = -scene_.elevation;
    if (t >= -90.0f && t < 90.0f) {
      for (int a = -180; a <= 180; a += step) {
        const float r = static_cast<float>(Radius(lookup.At(static_cast<float>(a), t)) + 0.01);
        EmitSpherical(static_cast<float>(a) + scene_.azimuth, 0.0f, r);
      }
    }
    out_.End();

    // The pointer marks the antenna's main direction projected onto the
    // horizontal plane: from the centre to world azimuth `azimuth`.
    out_.LineWidth(2.0f);
    out_.Colour3(128, 128, 128);
    out_.Begin(PrimitiveMode::LineStrip);
    EmitRotated(0, 0, 0);
    EmitSpherical(scene_.azimuth, 0.0f, 1.0f);
    out_.End();

    out_.Colour3(0, 0, 0);
    out_.Begin(PrimitiveMode::LineStrip);
    for (int a = -180; a <= 180; a += step) {
      EmitSpherical(static_cast<float>(a) + scene_.azimuth, 0.0f, 1.0f);
    }
    out_.End();
    out_.LineWidth(4.0f);
  }

  const SceneState& scene_;
  DrawSink& out_;
  const FrameOptions options_;
  const float displayRange_;
};

bool CanSample(const SceneState& scene) {
  // Lookups at non-finite angles have no defined result (the V6 rule's
  // reduction by whole turns would never end), so such a frame is not sampled.
  return IsValidResolutionStep(scene.resolutionStep) && std::isfinite(scene.azimuth) &&
         std::isfinite(scene.elevation);
}

}  // namespace

namespace {

// Makes the frame's lookup inside the frame's failure handling, so that
// running out of memory for it also ends the frame after the axes.
template <class MakeLookup>
FrameOutcome RecordFrame(const SceneState& scene, DrawSink& out, MakeLookup makeLookup) {
  FrameRecorder recorder(scene, out);
  recorder.Axes();
  if (!CanSample(scene)) return FrameOutcome::EndedEarly;
  try {
    recorder.Passes(makeLookup());
  } catch (const std::exception&) {
    // An unreadable code ends the frame silently after the axes.
    return FrameOutcome::EndedEarly;
  }
  return FrameOutcome::Complete;
}

}  // namespace

FrameOutcome RecordPatternFrame(const SceneState& scene, const char* horizontalCode,
                                const char* verticalCode, DrawSink& out, LookupPath path) {
  std::unique_ptr<PatternLookup> lookup;
  return RecordFrame(scene, out, [&]() -> PatternLookup& {
    lookup = path == LookupPath::Parsed
                 ? MakeParsedLookup(horizontalCode, verticalCode, scene.useHcmV7)
                 : MakeTextLookup(horizontalCode, verticalCode, scene.useHcmV7);
    return *lookup;
  });
}

FrameOutcome RecordPatternFrame(const SceneState& scene, const char* horizontalCode,
                                const char* verticalCode, DrawSink& out,
                                const FrameOptions& options,
                                std::optional<DifferenceFindings>* findings) {
  if (findings != nullptr) findings->reset();
  FrameRecorder recorder(scene, out, options);
  recorder.Axes();
  if (!CanSample(scene)) return FrameOutcome::EndedEarly;
  try {
    const auto lookup = MakeParsedLookup(horizontalCode, verticalCode, scene.useHcmV7);
    std::unique_ptr<PatternLookup> otherRule;
    if (options.differenceColouring) {
      otherRule = MakeParsedLookup(horizontalCode, verticalCode, !scene.useHcmV7);
    }
    recorder.Passes(*lookup, otherRule.get(), findings);
  } catch (const std::exception&) {
    // An unreadable code ends the frame silently after the axes.
    if (findings != nullptr) findings->reset();
    return FrameOutcome::EndedEarly;
  }
  return FrameOutcome::Complete;
}

FrameOutcome RecordPatternFrame(const SceneState& scene, PatternLookup& lookup, DrawSink& out) {
  return RecordFrame(scene, out, [&]() -> PatternLookup& { return lookup; });
}

}  // namespace veltrisko
