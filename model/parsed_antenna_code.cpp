// SPDX-License-Identifier: MIT
#include "model/parsed_antenna_code.h"

namespace veltrisko {

ParsedAntennaCode::ParsedAntennaCode(const char* code) {
  const AntennaCodeReading reading = ReadAntennaCode(code);
  scans_ = reading.Scans();
  typeLetters_ = reading.typeLetters;
  diagram_ = PrepareComponentDiagram(reading);
  if (diagram_.family != ComponentDiagram::Family::kRejected) {
    backField_ = EvaluateComponentDiagram(diagram_, 180.0f, true);
  }
}

double ParsedAntennaCode::BackField() const {
  // A rejected code throws here as its evaluation would.
  if (diagram_.family == ComponentDiagram::Family::kRejected) {
    return ComponentAttenuation(180.0f, true);
  }
  return backField_;
}

bool ParsedAntennaCode::Scans() const { return scans_; }

const std::string& ParsedAntennaCode::TypeLetters() const { return typeLetters_; }

}  // namespace veltrisko
