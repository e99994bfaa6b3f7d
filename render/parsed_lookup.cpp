// SPDX-License-Identifier: MIT
#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

#include "model/combination.h"
#include "model/combination_parts.h"
#include "model/invalid_antenna_code.h"
#include "model/parsed_antenna_code.h"
#include "render/float_memo.h"
#include "render/pattern_lookup.h"

namespace veltrisko {
namespace {

// Single lookups (the diagrams and the cut) may repeat a direction; each is
// computed once per frame.
class LookupMemo {
 public:
  template <class Compute>
  float Get(float azimuth, float elevation, Compute compute) {
    const std::uint64_t key = std::uint64_t{std::bit_cast<std::uint32_t>(azimuth)} << 32 |
                              std::bit_cast<std::uint32_t>(elevation);
    const auto found = values_.find(key);
    if (found != values_.end()) return found->second;
    const float value = compute();
    values_.emplace(key, value);
    return value;
  }

 private:
  std::unordered_map<std::uint64_t, float> values_;
};

// The V7 rule samples the horizontal code only at the azimuth and at 180, and
// the vertical code only at the elevation, its back direction and 180: a
// grid row shares its vertical samples, a column its horizontal ones, and the
// two back values serve the whole frame.
class ParsedV7Lookup final : public PatternLookup {
 public:
  ParsedV7Lookup(const char* horizontalCode, const char* verticalCode)
      : horizontal_(horizontalCode),
        vertical_(verticalCode),
        verticalIsTa_(vertical_.TypeLetters() == "TA") {}

  float At(float azimuth, float elevation) override {
    CheckScans();
    return memo_.Get(azimuth, elevation, [&] {
      const V7Samples s = SampleV7(azimuth, elevation, horizontal_, vertical_);
      return static_cast<float>(CombineV7Samples(azimuth, elevation, s, verticalIsTa_));
    });
  }

  void FillGrid(const GridLookupPlan& plan, std::vector<float>& attenuations) override {
    CheckScans();
    std::vector<V7Samples> columnSamples[3];
    for (int shift = 0; shift < 3; ++shift) {
      if (!plan.usesShift[shift]) continue;
      columnSamples[shift].resize(static_cast<std::size_t>(plan.columns));
      for (int j = 0; j < plan.columns; ++j) {
        SampleV7Horizontal(plan.azimuth[shift][j], horizontal_, columnSamples[shift][j]);
      }
    }
    attenuations.resize(static_cast<std::size_t>(plan.rows) * plan.columns);
    double previousField = std::numeric_limits<double>::quiet_NaN();
    float previousAttenuation = 0.0f;
    std::size_t k = 0;
    for (int i = 0; i < plan.rows; ++i) {
      const float elevation = plan.rowElevation[i];
      const V7ElevationTrig trig = V7ElevationTrigOf(elevation);
      V7Samples rowSamples;
      SampleV7Vertical(elevation, vertical_, rowSamples);
      const std::vector<float>& azimuths = plan.azimuth[plan.rowShift[i]];
      const std::vector<V7Samples>& columns = columnSamples[plan.rowShift[i]];
      for (int j = 0; j < plan.columns; ++j) {
        V7Samples s = rowSamples;
        s.hAz = columns[j].hAz;
        s.hBack = columns[j].hBack;
        const double field = V7CombinedField(azimuths[j], elevation, trig, s, verticalIsTa_);
        // Neighbours often share their field (a floor, the back of a
        // diagram); its attenuation is then taken over.
        if (!(field == previousField)) {
          previousField = field;
          previousAttenuation = static_cast<float>(V7AttenuationOfField(field));
        }
        attenuations[k++] = previousAttenuation;
      }
    }
  }

 private:
  void CheckScans() const {
    if (!horizontal_.Scans()) throw InvalidAntennaCode("invalid horizontal antenna type");
    if (!vertical_.Scans()) throw InvalidAntennaCode("invalid vertical antenna type");
  }

  ParsedAntennaCode horizontal_;
  ParsedAntennaCode vertical_;
  bool verticalIsTa_;
  LookupMemo memo_;
};

// The V6 rule samples both codes at the total angle off the main axis, which
// depends on both angles of a direction. What depends on one angle alone
// (its reduction, side, fold and cosine) is taken once per grid row and
// column. Both component diagrams depend only on the total angle in single
// precision, of which a frame has a few thousand distinct values: each is
// evaluated once per component and side.
class ParsedV6Lookup final : public PatternLookup {
 public:
  ParsedV6Lookup(const char* horizontalCode, const char* verticalCode)
      : horizontal_(horizontalCode),
        vertical_(verticalCode),
        accepted_(horizontal_.Accepted() && vertical_.Accepted()) {}

  float At(float azimuth, float elevation) override {
    // A rejected code throws from the rule itself, as the plain path does.
    if (!accepted_) return CombinedAttenuationV6(azimuth, elevation, horizontal_, vertical_);
    EnsureRoom(kRoomForSingleLookups);
    return Combined(V6AngleOf(azimuth), V6AngleOf(elevation));
  }

  void FillGrid(const GridLookupPlan& plan, std::vector<float>& attenuations) override {
    if (!accepted_) {
      PatternLookup::FillGrid(plan, attenuations);
      return;
    }
    std::vector<V6Angle> columnAngles[3];
    for (int shift = 0; shift < 3; ++shift) {
      if (!plan.usesShift[shift]) continue;
      columnAngles[shift].reserve(plan.azimuth[shift].size());
      for (const float azimuth : plan.azimuth[shift]) {
        columnAngles[shift].push_back(V6AngleOf(azimuth));
      }
    }
    const std::size_t elements = static_cast<std::size_t>(plan.rows) * plan.columns;
    attenuations.resize(elements);
    // Taken after the result and given back before the frame goes on to its
    // samples, so that the frame never holds both at once.
    memo_.Resize(std::min(elements, kRoomForGrid));
    std::size_t k = 0;
    for (int i = 0; i < plan.rows; ++i) {
      const V6Angle elevation = V6AngleOf(plan.rowElevation[i]);
      const std::vector<V6Angle>& azimuths = columnAngles[plan.rowShift[i]];
      for (int j = 0; j < plan.columns; ++j) attenuations[k++] = Combined(azimuths[j], elevation);
    }
    memo_ = {};
  }

 private:
  // What one total angle gives: each component at that angle (near side, at
  // its index) and at 360 minus it (far side, one further), each evaluated
  // when first needed.
  struct TotalAngleAttenuations {
    static constexpr int kHorizontal = 0;
    static constexpr int kVertical = 2;
    std::uint32_t known = 0;  // bit k: attenuation[k] is computed
    float attenuation[4] = {};
  };

  float Combined(const V6Angle& azimuth, const V6Angle& elevation) {
    const float theta = V6TotalAngle(azimuth.cosine, elevation.cosine);
    TotalAngleAttenuations& memo = memo_[theta];
    const float att1 =
        Attenuation(memo, TotalAngleAttenuations::kHorizontal, horizontal_, theta, azimuth.farSide);
    const float att2 =
        Attenuation(memo, TotalAngleAttenuations::kVertical, vertical_, theta, elevation.farSide);
    return CombineV6Attenuations(azimuth.folded, elevation.folded, att1, att2);
  }

  // The component's attenuation in dB as the rule holds it.
  static float Attenuation(TotalAngleAttenuations& memo, int component,
                           const ParsedAntennaCode& code, float theta, bool farSide) {
    const int index = component + (farSide ? 1 : 0);
    if (!(memo.known & 1u << index)) {
      memo.attenuation[index] =
          static_cast<float>(-code.ComponentAttenuation(V6ComponentAngle(theta, farSide), false));
      memo.known |= 1u << index;
    }
    return memo.attenuation[index];
  }

  void EnsureRoom(std::size_t room) {
    if (memo_.Room() < room) memo_.Resize(room);
  }

  // About 2,000 distinct total angles at the finest step; a view off the
  // whole degrees has more, and those beyond the room are evaluated anew.
  static constexpr std::size_t kRoomForGrid = 3072;
  static constexpr std::size_t kRoomForSingleLookups = 512;

  ParsedAntennaCode horizontal_;
  ParsedAntennaCode vertical_;
  bool accepted_;
  FloatMemo<TotalAngleAttenuations> memo_;
};

}  // namespace

std::unique_ptr<PatternLookup> MakeParsedLookup(const char* horizontalCode,
                                                const char* verticalCode, bool useHcmV7) {
  const char* h = horizontalCode ? horizontalCode : "";
  const char* v = verticalCode ? verticalCode : "";
  if (useHcmV7) return std::make_unique<ParsedV7Lookup>(h, v);
  return std::make_unique<ParsedV6Lookup>(h, v);
}

}  // namespace veltrisko
