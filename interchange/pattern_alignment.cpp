// SPDX-License-Identifier: MIT
#include "interchange/pattern_alignment.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrisko {
namespace {

constexpr double kBeamwidthLevelDb = 3.0;
// A vertex closer to the smallest sample than this share of the spacing is
// taken as the sample itself: rounding, not a maximum between samples.
constexpr double kSnapShare = 0.1;

using Sample = std::pair<double, double>;  // angle in [0, 360), loss

double Turned(double angle) {
  const double turned = std::fmod(angle, 360.0);
  return turned < 0.0 ? turned + 360.0 : turned;
}

// In (-180, 180].
double Signed(double angle) {
  const double turned = Turned(angle);
  return turned > 180.0 ? turned - 360.0 : turned;
}

std::vector<Sample> SortedSamples(const std::vector<CutPoint>& points) {
  std::vector<Sample> samples;
  samples.reserve(points.size());
  for (const CutPoint& point : points) samples.emplace_back(Turned(point.angle), point.loss);
  std::sort(samples.begin(), samples.end());
  samples.erase(std::unique(samples.begin(), samples.end(),
                            [](const Sample& a, const Sample& b) { return a.first == b.first; }),
                samples.end());
  return samples;
}

double LossAt(const std::vector<Sample>& samples, double angle) {
  angle = Turned(angle);
  const auto after = std::lower_bound(samples.begin(), samples.end(), angle,
                                      [](const Sample& s, double a) { return s.first < a; });
  if (after != samples.end() && after->first == angle) return after->second;
  const Sample& next = after != samples.end() ? *after : samples.front();
  const Sample& previous = after != samples.begin() ? *(after - 1) : samples.back();
  const double nextAngle = after != samples.end() ? next.first : next.first + 360.0;
  const double previousAngle = after != samples.begin() ? previous.first : previous.first - 360.0;
  const double span = nextAngle - previousAngle;
  const double share = span > 0.0 ? (angle - previousAngle) / span : 0.0;
  return previous.second + (next.second - previous.second) * share;
}

// The angle off the maximum, on one side, where the loss first reaches the
// level; none within 180 degrees.
std::optional<double> Crossing(std::vector<Sample> offsets, double peak) {
  std::sort(offsets.begin(), offsets.end());
  Sample previous{0.0, peak};
  for (const Sample& sample : offsets) {
    if (sample.first <= 0.0) continue;
    if (sample.second - peak >= kBeamwidthLevelDb) {
      const double rise = sample.second - previous.second;
      const double share = rise > 0.0 ? (peak + kBeamwidthLevelDb - previous.second) / rise : 1.0;
      return previous.first + share * (sample.first - previous.first);
    }
    previous = sample;
  }
  return std::nullopt;
}

}  // namespace

CutShape MeasureCut(const std::vector<CutPoint>& points) {
  const std::vector<Sample> samples = SortedSamples(points);
  const std::size_t count = samples.size();
  double lowest = samples.front().second;
  for (const Sample& sample : samples) lowest = std::min(lowest, sample.second);
  // Runs of neighbouring samples at the smallest loss (rounded files write a
  // flat top): the middle of each run, the one nearest the file's 0.
  std::size_t start = 0;  // a sample that does not continue a run
  while (start < count && samples[start].second == lowest &&
         samples[(start + count - 1) % count].second == lowest && count > 1) {
    ++start;
    if (start == count) break;
  }
  double main = 0.0;
  std::size_t runLength = 0;
  double bestOffset = 1e9;
  for (std::size_t step = 0; step < count && start < count; ++step) {
    const std::size_t i = (start + step) % count;
    if (samples[i].second != lowest) continue;
    if (step > 0 && samples[(i + count - 1) % count].second == lowest) continue;
    std::size_t length = 1;
    while (length < count && samples[(i + length) % count].second == lowest) ++length;
    double last = samples[(i + length - 1) % count].first;
    if (last < samples[i].first) last += 360.0;
    const double middle = 0.5 * (samples[i].first + last);
    if (std::fabs(Signed(middle)) < bestOffset) {
      bestOffset = std::fabs(Signed(middle));
      main = middle;
      runLength = length;
    }
  }
  if (start == count) runLength = count;  // every sample equal
  const double peak = lowest;
  if (runLength == 1 && count >= 3) {
    // One smallest sample: the parabola through it and its two neighbours.
    std::size_t best = 0;
    while (samples[best].first != Turned(main)) ++best;
    const Sample& before = samples[(best + count - 1) % count];
    const Sample& after = samples[(best + 1) % count];
    const double x0 = best == 0 ? before.first - 360.0 : before.first;
    const double x1 = samples[best].first;
    const double x2 = best + 1 == count ? after.first + 360.0 : after.first;
    const double slope01 = (peak - before.second) / (x1 - x0);
    const double curvature = ((after.second - peak) / (x2 - x1) - slope01) / (x2 - x0);
    if (curvature > 0.0) {
      const double vertex = 0.5 * (x0 + x1) - slope01 / (2.0 * curvature);
      const double spacing = std::min(x1 - x0, x2 - x1);
      if (vertex > x0 && vertex < x2 && std::fabs(vertex - x1) >= kSnapShare * spacing) {
        main = vertex;
      }
    }
  }
  CutShape shape;
  shape.mainAngle = Signed(main) + 0.0;
  shape.peakLoss = peak;
  std::vector<Sample> right;
  std::vector<Sample> left;
  for (const Sample& sample : samples) {
    const double offset = Signed(sample.first - main);
    right.emplace_back(offset, sample.second);
    left.emplace_back(offset == 180.0 ? 180.0 : -offset, sample.second);
  }
  const std::optional<double> rightEdge = Crossing(std::move(right), peak);
  const std::optional<double> leftEdge = Crossing(std::move(left), peak);
  if (rightEdge && leftEdge) shape.beamwidth3Db = *rightEdge + *leftEdge;
  shape.backLossDb = std::max(0.0, LossAt(samples, main + 180.0) - peak);
  return shape;
}

CutLosses AlignedLosses(const std::vector<CutPoint>& points, const CutShape& shape) {
  const std::vector<Sample> samples = SortedSamples(points);
  CutLosses losses{};
  for (int a = 0; a < kCutPoints; ++a) {
    losses[a] = std::max(0.0, LossAt(samples, shape.mainAngle + a) - shape.peakLoss) + 0.0;
  }
  return losses;
}

std::vector<CutPoint> AlignedPoints(const std::vector<CutPoint>& points, const CutShape& shape) {
  std::vector<CutPoint> aligned = points;
  for (CutPoint& point : aligned) {
    const double angle = std::fmod(point.angle - shape.mainAngle, 360.0);
    point.angle = angle < 0.0 ? angle + 360.0 : angle;
    point.loss = std::max(0.0, point.loss - shape.peakLoss) + 0.0;
  }
  return aligned;
}

AlignedCuts AlignedCutsOf(const PatternFile& file) {
  AlignedCuts cuts;
  if (file.horizontal)
    cuts.horizontal = AlignedLosses(*file.horizontal, MeasureCut(*file.horizontal));
  if (file.vertical) cuts.vertical = AlignedLosses(*file.vertical, MeasureCut(*file.vertical));
  return cuts;
}

}  // namespace veltrisko
