// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "model/component_diagram.h"

namespace veltrisko {

// An antenna code read once and evaluated many times. Construction never
// throws: it remembers what reading the text found, and every evaluation
// behaves bit for bit like ComponentAttenuation on the original text,
// throwing the same InvalidAntennaCode at the same evaluation.
class ParsedAntennaCode {
 public:
  explicit ParsedAntennaCode(const char* code);

  // Same result (or exception) as ComponentAttenuation(code, angle, linear).
  double ComponentAttenuation(float angle, bool linear) const {
    return EvaluateComponentDiagram(diagram_, angle, linear);
  }
  // The same with AngleCosine(angle) computed by the caller, who may skip it
  // when UsesAngleCosine() is false.
  double ComponentAttenuation(float angle, double angleCosine, bool linear) const {
    return EvaluateComponentDiagram(diagram_, angle, angleCosine, linear);
  }
  bool UsesAngleCosine() const { return diagram_.usesAngleCosine; }

  // ComponentAttenuation(180, true), computed once: the back values of the
  // V7 rule.
  double BackField() const;

  // Whether the code is accepted: every evaluation returns rather than
  // throws.
  bool Accepted() const { return diagram_.family != ComponentDiagram::Family::kRejected; }

  // Whether the first reading of the text assigned all three fields; the V7
  // rule rejects a code that does not.
  bool Scans() const;
  // The type letters as read (at most two characters), empty if unread.
  const std::string& TypeLetters() const;

 private:
  bool scans_ = false;
  double backField_ = 0.0;
  std::string typeLetters_;
  ComponentDiagram diagram_;
};

}  // namespace veltrisko
