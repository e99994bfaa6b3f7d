// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fit/candidate_score.h"
#include "fit/code_space.h"
#include "model/component_diagram.h"

namespace veltrisko {

// Scores every floor setting of one code shape at once. A shape's diagram is
// evaluated once per angle; each floor then decides at the angles where the
// field lies below it, so a code's attenuation at an angle is either the
// shape's own (its field at or above the floor) or the floor's. Both values
// come from the model's own evaluation steps, so they are the bits a direct
// evaluation of the code gives.
//
// Per floor, sums over angles grouped by the number of floors below their
// field give each code's feasibility exactly and its score up to rounding;
// only codes whose estimate is within a rounding margin of the current
// best are scored exactly, through ScoreAttenuations, the one definition of a
// score. The margin bounds the rounding of both ways of summing, so skipping
// never changes the answer.
class ShapeScanner {
 public:
  explicit ShapeScanner(const CodeSpace& space);

  // Evaluates the shape's diagram; false when the model rejects its codes.
  bool Load(const CodeShape& shape);
  // The number of codes of the loaded shape.
  std::size_t CodeCount() const;
  // Offers to `best` every code of the loaded shape that may rank among it.
  void Scan(const ScoringCut& cut, FitCriterion criterion, const std::string& reference,
            BestCodes& best) const;

 private:
  // The floors one group of angles is raised to, in increasing order: P3
  // (the back sector of a W code), or P4 (the front sector of a W code).
  struct FloorLevels {
    std::vector<int> positions;
    std::vector<double> fields;
    std::vector<float> attenuations;  // of a code whose floor decides
  };
  struct TypeFloors {
    bool isW = false;
    std::array<FloorLevels, 2> groups;  // 0: P3, 1: P4 (W only)
  };
  struct GroupSums;

  void ScanGroup(int group, const ScoringCut& cut, std::vector<GroupSums>& sums) const;
  void ScoreExactly(int floorP3, int floorP4, const ScoringCut& cut, FitCriterion criterion,
                    const std::string& reference, BestCodes& best) const;

  std::array<TypeFloors, kCatalogueSize> floors_;
  CodeShape shape_;
  const TypeFloors* typeFloors_ = nullptr;
  // Per angle: its group, the number of its group's floors at or below its
  // field, and its attenuation when its own field decides.
  std::array<std::uint8_t, kCutPoints> group_{};
  std::array<std::uint8_t, kCutPoints> levelsBelow_{};
  std::array<float, kCutPoints> ownAttenuation_{};
  // V and W: one beam's field and the attenuation it gives, at the whole
  // degrees from -kLargestSecondBeam to 359 off its axis; shared by the shapes
  // of one type and beam width, which differ in the second beam's angle only.
  static constexpr int kLargestSecondBeam = 198;
  static constexpr int kBeamOffsets = kLargestSecondBeam + kCutPoints;
  void LoadBeamTable(const ComponentDiagram& diagram);
  int beamTableType_ = -1;
  int beamTableP1_ = -1;
  std::array<double, kBeamOffsets> beamField_{};
  std::array<float, kBeamOffsets> beamAttenuation_{};
  // Attenuations so large or so negative that the rounding margin would not
  // cover them send every code to the exact score.
  bool estimable_ = true;
};

}  // namespace veltrisko
