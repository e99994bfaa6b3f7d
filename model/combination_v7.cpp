// SPDX-License-Identifier: MIT
#include <cmath>
#include <string_view>

#include "model/antenna_code_reading.h"
#include "model/combination.h"
#include "model/combination_parts.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

double Clamp(double value, double low, double high) {
  if (value > high) return high;
  if (value < low) return low;
  return value;
}

// The blend weight between the forward and the backward vertical value, by
// how far the horizontal diagram has fallen towards its back value.
double BlendWeight(float azimuth, float hAz, float hBack) {
  if (hBack == 1.0f) return std::fabs(azimuth) * 0.005555555555555556;
  double r = (1.0 - hAz) / (1.0 - hBack);
  if (r > 1.0) r = 1.0;
  if (hBack < 0.9) return r;
  const double p = std::fabs(azimuth) / 180.0;
  double t = (1.0 - hBack) * 10.0;
  if (t > 1.0) t = 1.0;
  return p * (1.0 - t) + t * r;
}

// The backward vertical value corrected by the horizontal front-to-back ratio.
float CorrectedBackward(const V7Samples& s, double cosEl, double sinEl) {
  float vBwd = s.vBwd;
  if (s.hBack < s.vBack) {
    const double ratio = cosEl * s.hBack / s.vBack;
    vBwd = static_cast<float>(vBwd * std::sqrt(ratio * ratio + sinEl * sinEl));
    if (vBwd < 0.01) vBwd = 0.01f;
  } else if (s.hBack > s.vBack && s.vFwd - vBwd > 0.0f) {
    vBwd =
        static_cast<float>(vBwd + (static_cast<double>(s.vFwd) - vBwd) *
                                      (static_cast<double>(s.hBack) - s.vBack) / (1.0 - s.vBack));
    if (vBwd > 1.0f) vBwd = 1.0f;
  }
  return vBwd;
}

// The rule's one shortcut: a component whose angle is 0 or whose letters are
// "ND" is not sampled at all, so its values stay 1 and a rejected code of it
// is never evaluated.
bool SamplesComponent(float angle, std::string_view letters) {
  return angle != 0.0f && letters != "ND";
}

// The vertical samples in the rule's order: vFwd, vBwd, vBack.
template <class Field, class Back>
void SampleVerticalWith(float elevation, std::string_view letters, Field field, Back back,
                        V7Samples& s) {
  if (!SamplesComponent(elevation, letters)) return;
  // Negated: a second vertical beam at +S degrees lies at elevation -S.
  s.vFwd = static_cast<float>(field(-elevation));
  s.vBwd = static_cast<float>(field(elevation + 180.0f));
  s.vBack = static_cast<float>(back());
}

// The horizontal samples in the rule's order: hAz, hBack.
template <class Field, class Back>
void SampleHorizontalWith(float azimuth, std::string_view letters, Field field, Back back,
                          V7Samples& s) {
  if (!SamplesComponent(azimuth, letters)) return;
  s.hAz = static_cast<float>(field(azimuth));
  s.hBack = static_cast<float>(back());
}

}  // namespace

void SampleV7Vertical(float elevation, const ParsedAntennaCode& vertical, V7Samples& samples) {
  SampleVerticalWith(
      elevation, vertical.TypeLetters(),
      [&](float angle) { return vertical.ComponentAttenuation(angle, true); },
      [&] { return vertical.BackField(); }, samples);
}

void SampleV7Horizontal(float azimuth, const ParsedAntennaCode& horizontal, V7Samples& samples) {
  SampleHorizontalWith(
      azimuth, horizontal.TypeLetters(),
      [&](float angle) { return horizontal.ComponentAttenuation(angle, true); },
      [&] { return horizontal.BackField(); }, samples);
}

V7Samples SampleV7(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                   const ParsedAntennaCode& vertical) {
  V7Samples samples;
  SampleV7Vertical(elevation, vertical, samples);
  SampleV7Horizontal(azimuth, horizontal, samples);
  return samples;
}

V7ElevationTrig V7ElevationTrigOf(float elevation) {
  const RoundedSinCos trig = RoundedSinAndCos(elevation * kRadiansPerDegree);
  return {trig.cosine, trig.sine};
}

double CombineV7Samples(float azimuth, float elevation, const V7Samples& samples,
                        bool verticalIsTa) {
  return CombineV7Samples(azimuth, elevation, V7ElevationTrigOf(elevation), samples, verticalIsTa);
}

double CombineV7Samples(float azimuth, float elevation, const V7ElevationTrig& trig,
                        const V7Samples& samples, bool verticalIsTa) {
  return V7AttenuationOfField(V7CombinedField(azimuth, elevation, trig, samples, verticalIsTa));
}

double V7CombinedField(float azimuth, float elevation, const V7ElevationTrig& trig,
                       const V7Samples& samples, bool verticalIsTa) {
  // A direction without a defined angle gets the largest attenuation.
  if (!std::isfinite(azimuth) || !std::isfinite(elevation)) return 0.01;
  double l;
  if (verticalIsTa) {
    l = static_cast<double>(samples.hAz) * samples.vFwd;
  } else {
    const double cosEl = trig.cosine;
    const double sinEl = trig.sine;
    const float vBwd = CorrectedBackward(samples, cosEl, sinEl);
    const double o = BlendWeight(azimuth, samples.hAz, samples.hBack);
    auto w = static_cast<float>((1.0 - o) * samples.vFwd + o * vBwd);
    if (w > 1.0f) {
      w = 1.0f;
    } else if (w < 0.01) {
      w = 0.01f;
    }
    const double z = Clamp(1.0 - o + samples.hBack * o, 0.01, 1.0);
    const double ratio = cosEl * samples.hAz / z;
    l = w * std::sqrt(ratio * ratio + sinEl * sinEl);
  }
  // Negated comparison: a value that is not a number also becomes 0.01.
  if (!(l >= 0.01)) l = 0.01;
  if (l > 1.0) l = 1.0;
  return l;
}

double V7AttenuationOfField(double field) { return -20.0 * std::log10(field); }

double CombinedAttenuationV7(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                             const ParsedAntennaCode& vertical) {
  if (!horizontal.Scans()) throw InvalidAntennaCode("invalid horizontal antenna type");
  if (!vertical.Scans()) throw InvalidAntennaCode("invalid vertical antenna type");
  const V7Samples samples = SampleV7(azimuth, elevation, horizontal, vertical);
  return CombineV7Samples(azimuth, elevation, samples, vertical.TypeLetters() == "TA");
}

double CombinedAttenuationV7(float azimuth, float elevation, const char* horizontalCode,
                             const char* verticalCode) {
  // The plain path: both codes are scanned for the rule's own check, and
  // every component sample reads its code text anew.
  const AntennaCodeReading horizontal = ReadAntennaCode(horizontalCode);
  if (!horizontal.Scans()) throw InvalidAntennaCode("invalid horizontal antenna type");
  const AntennaCodeReading vertical = ReadAntennaCode(verticalCode);
  if (!vertical.Scans()) throw InvalidAntennaCode("invalid vertical antenna type");
  const std::string_view verticalLetters = vertical.typeLetters;
  V7Samples samples;
  SampleVerticalWith(
      elevation, verticalLetters,
      [&](float angle) { return ComponentAttenuation(verticalCode, angle, true); },
      [&] { return ComponentAttenuation(verticalCode, 180.0f, true); }, samples);
  SampleHorizontalWith(
      azimuth, horizontal.typeLetters,
      [&](float angle) { return ComponentAttenuation(horizontalCode, angle, true); },
      [&] { return ComponentAttenuation(horizontalCode, 180.0f, true); }, samples);
  return CombineV7Samples(azimuth, elevation, samples, verticalLetters == "TA");
}

}  // namespace veltrisko
