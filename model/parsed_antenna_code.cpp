#include "model/parsed_antenna_code.h"

namespace veltrisko {

ParsedAntennaCode::ParsedAntennaCode(const char* code) {
  const AntennaCodeReading reading = ReadAntennaCode(code);
  scans_ = reading.Scans();
  typeLetters_ = reading.typeLetters;
  diagram_ = PrepareComponentDiagram(reading);
}

double ParsedAntennaCode::ComponentAttenuation(float angle, bool linear) const {
  return EvaluateComponentDiagram(diagram_, angle, linear);
}

bool ParsedAntennaCode::Scans() const { return scans_; }

const std::string& ParsedAntennaCode::TypeLetters() const { return typeLetters_; }

}  // namespace veltrisko
