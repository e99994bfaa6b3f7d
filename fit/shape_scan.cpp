// SPDX-License-Identifier: MIT
#include "fit/shape_scan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/antenna_code_reading.h"

namespace veltrisko {
namespace {

using Family = ComponentDiagram::Family;

// Each sum has at most 360 terms, every term below 8100 (differences of
// attenuations within +-50 dB, measured losses within 0..40): summed either
// way, the rounding stays below 3e-7, far inside this margin.
constexpr double kEstimateMargin = 1e-5;
constexpr float kEstimableAttenuation = 50.0f;

ComponentDiagram DiagramOf(const std::string& code) {
  return PrepareComponentDiagram(ReadAntennaCode(code.c_str()));
}

float AttenuationOf(double field) { return static_cast<float>(-FieldOutput(field, false)); }

}  // namespace

struct ShapeScanner::GroupSums {
  bool withinEnvelope = true;
  double sumExcess = 0.0;
  double sumSquares = 0.0;
};

ShapeScanner::ShapeScanner(const CodeSpace& space) {
  for (int type = 0; type < kCatalogueSize; ++type) {
    const TypeSliderValues& values = space.types[type];
    if (values.p1.empty() || values.p2.empty() || values.p3.empty() || values.p4.empty()) {
      continue;
    }
    // The floors depend on P3 and P4 alone; any accepted shape tells them.
    int p1 = values.p1.back();
    for (int candidate : values.p1) {
      const std::string code = ComposeCode(type, candidate, values.p2.back(), 0, 0);
      if (DiagramOf(code).family != Family::kRejected) p1 = candidate;
    }
    TypeFloors& floors = floors_[type];
    floors.isW = SliderRangesOf(type).usesP4;
    for (int p3 : values.p3) {
      const ComponentDiagram diagram =
          DiagramOf(ComposeCode(type, p1, values.p2.back(), p3, values.p4.front()));
      const double field = floors.isW ? diagram.backSideLobeFloor : diagram.sideLobeFloor;
      floors.groups[0].positions.push_back(p3);
      floors.groups[0].fields.push_back(field);
      floors.groups[0].attenuations.push_back(
          AttenuationOf(floors.isW ? RaiseToFloor(field, diagram.sideLobeFloor) : field));
    }
    for (int p4 : floors.isW ? values.p4 : std::vector<int>{}) {
      const ComponentDiagram diagram =
          DiagramOf(ComposeCode(type, p1, values.p2.back(), values.p3.front(), p4));
      const double field = diagram.frontSideLobeFloor;
      floors.groups[1].positions.push_back(p4);
      floors.groups[1].fields.push_back(field);
      floors.groups[1].attenuations.push_back(
          AttenuationOf(RaiseToFloor(field, diagram.sideLobeFloor)));
    }
  }
}

bool ShapeScanner::Load(const CodeShape& shape) {
  const TypeFloors& floors = floors_[shape.type];
  if (floors.groups[0].positions.empty()) return false;
  const int p4 = floors.isW ? floors.groups[1].positions.front() : 0;
  const ComponentDiagram diagram = DiagramOf(
      ComposeCode(shape.type, shape.p1, shape.p2, floors.groups[0].positions.front(), p4));
  if (diagram.family == Family::kRejected) return false;
  shape_ = shape;
  typeFloors_ = &floors;
  estimable_ = true;
  constexpr double kBelowEveryFloor = -std::numeric_limits<double>::infinity();
  // Every slider position puts the second beam within the table.
  const bool beams = (diagram.family == Family::kV || diagram.family == Family::kW) &&
                     diagram.secondBeamDegrees <= kLargestSecondBeam;
  if (beams && (shape.type != beamTableType_ || shape.p1 != beamTableP1_)) {
    LoadBeamTable(diagram);
    beamTableType_ = shape.type;
    beamTableP1_ = shape.p1;
  }
  for (int a = 0; a < kCutPoints; ++a) {
    const float angle = static_cast<float>(a);
    bool floorApplies = true;
    double field = 0.0;
    if (beams) {
      // The model's own choice between the two beams, read from the table.
      const int first = a + kLargestSecondBeam;
      const int second = first - diagram.secondBeamDegrees;
      const bool firstWins = beamField_[first] > beamField_[second];
      field = beamField_[firstWins ? first : second];
      ownAttenuation_[a] = beamAttenuation_[firstWins ? first : second];
    } else {
      field = FieldBeforeFloors(diagram, angle, floorApplies);
      ownAttenuation_[a] =
          AttenuationOf(floors.isW ? RaiseToFloor(field, diagram.sideLobeFloor) : field);
    }
    // The field decides where it reaches the floor; a field that is not a
    // number, and LA outside its lobe, leave it to the floor.
    const bool ownField = floorApplies && !std::isnan(field);
    const int group = floors.isW && BetweenBeams(diagram, angle) ? 1 : 0;
    const std::vector<double>& fields = floors.groups[group].fields;
    const double key = ownField ? field : kBelowEveryFloor;
    group_[a] = static_cast<std::uint8_t>(group);
    levelsBelow_[a] = static_cast<std::uint8_t>(
        std::upper_bound(fields.begin(), fields.end(), key) - fields.begin());
    if (!(std::fabs(ownAttenuation_[a]) <= kEstimableAttenuation)) estimable_ = false;
  }
  return true;
}

void ShapeScanner::LoadBeamTable(const ComponentDiagram& diagram) {
  for (int offset = 0; offset < kBeamOffsets; ++offset) {
    const double field = BeamFieldAtOffset(diagram, offset - kLargestSecondBeam);
    beamField_[offset] = field;
    // W codes end with their floor step at 0.01.
    beamAttenuation_[offset] = AttenuationOf(
        diagram.family == Family::kW ? RaiseToFloor(field, diagram.sideLobeFloor) : field);
  }
}

std::size_t ShapeScanner::CodeCount() const {
  const std::size_t p4Count = typeFloors_->isW ? typeFloors_->groups[1].positions.size() : 1;
  return typeFloors_->groups[0].positions.size() * p4Count;
}

void ShapeScanner::ScanGroup(int group, const ScoringCut& cut, std::vector<GroupSums>& sums) const {
  const FloorLevels& levels = typeFloors_->groups[group];
  const std::size_t count = levels.fields.size();
  // Per number of floors below the field: what those angles add when a floor
  // decides there (count, losses, squared losses, lowest admitted
  // attenuation) and when their own field does (excess, squared excess,
  // angles outside the envelope).
  struct Bucket {
    int angles = 0;
    double loss = 0.0;
    double lossSquares = 0.0;
    double lowestAdmitted = std::numeric_limits<double>::infinity();
    double excess = 0.0;
    double excessSquares = 0.0;
    int outside = 0;
  };
  std::vector<Bucket> buckets(count + 1);
  for (int a = 0; a < kCutPoints; ++a) {
    if (group_[a] != group) continue;
    Bucket& bucket = buckets[levelsBelow_[a]];
    const double loss = cut.loss[a];
    const double excess = loss - ownAttenuation_[a];
    ++bucket.angles;
    bucket.loss += loss;
    bucket.lossSquares += loss * loss;
    bucket.lowestAdmitted = std::min(bucket.lowestAdmitted, cut.lossPlusTolerance[a]);
    bucket.excess += excess;
    bucket.excessSquares += excess * excess;
    bucket.outside += !(ownAttenuation_[a] <= cut.lossPlusTolerance[a]);
  }
  // Floor k decides at the angles of buckets 0..k, their own fields at the rest.
  std::vector<Bucket> own(count + 2);
  for (std::size_t b = count + 1; b-- > 0;) {
    own[b] = own[b + 1];
    own[b].excess += buckets[b].excess;
    own[b].excessSquares += buckets[b].excessSquares;
    own[b].outside += buckets[b].outside;
  }
  sums.assign(count, {});
  Bucket floored;
  for (std::size_t k = 0; k < count; ++k) {
    floored.angles += buckets[k].angles;
    floored.loss += buckets[k].loss;
    floored.lossSquares += buckets[k].lossSquares;
    floored.lowestAdmitted = std::min(floored.lowestAdmitted, buckets[k].lowestAdmitted);
    const double floor = levels.attenuations[k];
    GroupSums& s = sums[k];
    s.withinEnvelope =
        own[k + 1].outside == 0 && (floored.angles == 0 || floor <= floored.lowestAdmitted);
    s.sumExcess = own[k + 1].excess + floored.loss - floored.angles * floor;
    s.sumSquares = own[k + 1].excessSquares + floored.lossSquares - 2.0 * floor * floored.loss +
                   floored.angles * floor * floor;
  }
}

void ShapeScanner::Scan(const ScoringCut& cut, FitCriterion criterion, const std::string& reference,
                        BestCodes& best) const {
  std::vector<GroupSums> back;
  std::vector<GroupSums> front(1);  // one neutral entry unless W
  ScanGroup(0, cut, back);
  if (typeFloors_->isW) ScanGroup(1, cut, front);
  const bool envelope = criterion == FitCriterion::kEnvelope;
  for (std::size_t k3 = 0; k3 < back.size(); ++k3) {
    for (std::size_t k4 = 0; k4 < front.size(); ++k4) {
      if (envelope && !(back[k3].withinEnvelope && front[k4].withinEnvelope)) continue;
      // The sum of excesses bounds the envelope's key, the sum of their
      // magnitudes, from below: a code it puts beyond the threshold is.
      const double estimate = envelope ? back[k3].sumExcess + front[k4].sumExcess
                                       : back[k3].sumSquares + front[k4].sumSquares;
      if (estimable_ && estimate - kEstimateMargin > best.Threshold()) continue;
      ScoreExactly(static_cast<int>(k3), static_cast<int>(k4), cut, criterion, reference, best);
    }
  }
}

void ShapeScanner::ScoreExactly(int floorP3, int floorP4, const ScoringCut& cut,
                                FitCriterion criterion, const std::string& reference,
                                BestCodes& best) const {
  const std::array<int, 2> floorOf = {floorP3, floorP4};
  std::array<float, kCutPoints> attenuations;
  for (int a = 0; a < kCutPoints; ++a) {
    const int k = floorOf[group_[a]];
    attenuations[a] =
        levelsBelow_[a] > k ? ownAttenuation_[a] : typeFloors_->groups[group_[a]].attenuations[k];
  }
  const int p3 = typeFloors_->groups[0].positions[floorP3];
  const int p4 = typeFloors_->isW ? typeFloors_->groups[1].positions[floorP4] : 0;
  best.Offer(ComposeCode(shape_.type, shape_.p1, shape_.p2, p3, p4),
             ScoreAttenuations(attenuations.data(), cut), criterion, reference,
             attenuations.data());
}

}  // namespace veltrisko
