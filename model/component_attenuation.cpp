// SPDX-License-Identifier: MIT
#include "model/component_attenuation.h"

#include "model/antenna_code_reading.h"
#include "model/component_diagram.h"

namespace veltrisko {

double ComponentAttenuation(const char* code, float angle, bool linear) {
  return EvaluateComponentDiagram(PrepareComponentDiagram(ReadAntennaCode(code)), angle, linear);
}

}  // namespace veltrisko
