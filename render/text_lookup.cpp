// SPDX-License-Identifier: MIT
#include <string>

#include "model/combination.h"
#include "render/pattern_lookup.h"

namespace veltrisko {

void PatternLookup::FillGrid(const GridLookupPlan& plan, std::vector<float>& attenuations) {
  attenuations.resize(static_cast<std::size_t>(plan.rows) * plan.columns);
  std::size_t k = 0;
  for (int i = 0; i < plan.rows; ++i) {
    const std::vector<float>& azimuths = plan.azimuth[plan.rowShift[i]];
    for (int j = 0; j < plan.columns; ++j)
      attenuations[k++] = At(azimuths[j], plan.rowElevation[i]);
  }
}

namespace {

class TextLookup final : public PatternLookup {
 public:
  TextLookup(const char* horizontalCode, const char* verticalCode, bool useHcmV7)
      : horizontal_(horizontalCode), vertical_(verticalCode), useHcmV7_(useHcmV7) {}

  float At(float azimuth, float elevation) override {
    if (useHcmV7_) {
      return static_cast<float>(
          CombinedAttenuationV7(azimuth, elevation, horizontal_.c_str(), vertical_.c_str()));
    }
    return CombinedAttenuationV6(azimuth, elevation, horizontal_.c_str(), vertical_.c_str());
  }

 private:
  std::string horizontal_;
  std::string vertical_;
  bool useHcmV7_;
};

}  // namespace

std::unique_ptr<PatternLookup> MakeTextLookup(const char* horizontalCode, const char* verticalCode,
                                              bool useHcmV7) {
  return std::make_unique<TextLookup>(horizontalCode ? horizontalCode : "",
                                      verticalCode ? verticalCode : "", useHcmV7);
}

}  // namespace veltrisko
