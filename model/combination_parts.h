// SPDX-License-Identifier: MIT
#pragma once

#include "model/parsed_antenna_code.h"

// The arithmetic of both combination rules around the component samples, for
// callers that sample the components themselves (a frame shares samples among
// its rows and columns, a readout shows them). The rules of combination.h are
// built from exactly these, so results are bit-identical.

namespace veltrisko {

// V6: one angle reduced by whole turns into [0, 360) (NaN for non-finite).
float ReduceByWholeTurns(float angle);

// V6: one angle of a direction as the rule takes it apart: reduced by whole
// turns, the side (a reduced angle above 180 samples its component at
// 360 - theta), the angle folded into [0, 180] for the weighting, and the
// cosine of the reduced angle for the total angle.
struct V6Angle {
  float folded = 0.0f;
  bool farSide = false;
  double cosine = 1.0;
};
V6Angle V6AngleOf(float angle);

// V6: the total angle in degrees between the direction and the main axis, in
// [0, 180], held in single precision, from the cosines of V6AngleOf.
float V6TotalAngle(double azimuthCosine, double elevationCosine);

// V6: the geometry of one direction. The components are sampled at
// horizontalAngle (theta, or 360 - theta on the negative-azimuth side) and
// verticalAngle (likewise for the elevation); azimuth and elevation are then
// folded into [0, 180] as the weighting needs them.
struct V6Direction {
  float azimuth = 0.0f;
  float elevation = 0.0f;
  float horizontalAngle = 0.0f;
  float verticalAngle = 0.0f;
};
V6Direction ReduceV6Direction(float azimuth, float elevation);

// V6: the angle at which a component is sampled for total angle theta.
inline float V6ComponentAngle(float theta, bool farSide) {
  return farSide ? 360.0f - theta : theta;
}

// V6: mixes the attenuations in dB, att = -ComponentAttenuation(code,
// angle, false) held in single precision, by the folded angles of
// ReduceV6Direction.
float CombineV6Attenuations(float foldedAzimuth, float foldedElevation, float horizontalAttenuation,
                            float verticalAttenuation);

// V7: the five relative fields, each ComponentAttenuation(code, angle, true)
// held in single precision:
//   hAz   = horizontal at the azimuth      hBack = horizontal at 180
//   vFwd  = vertical at -elevation         vBwd  = vertical at elevation + 180
//   vBack = vertical at 180
// The rule skips sampling and leaves all three vertical values at 1 when the
// elevation is 0 or the vertical letters are "ND"; likewise both horizontal
// values when the azimuth is 0 or the horizontal letters are "ND".
struct V7Samples {
  float hAz = 1.0f;
  float hBack = 1.0f;
  float vFwd = 1.0f;
  float vBwd = 1.0f;
  float vBack = 1.0f;
};

// V7: samples both codes with the shortcuts above, in the rule's order (vFwd,
// vBwd, vBack, hAz, hBack). Does not check the scans.
V7Samples SampleV7(float azimuth, float elevation, const ParsedAntennaCode& horizontal,
                   const ParsedAntennaCode& vertical);

// V7: the vertical samples of one elevation, or the horizontal samples of one
// azimuth, into `samples`, with the same shortcut; for callers that share one
// elevation's or one azimuth's samples among many directions.
void SampleV7Vertical(float elevation, const ParsedAntennaCode& vertical, V7Samples& samples);
void SampleV7Horizontal(float azimuth, const ParsedAntennaCode& horizontal, V7Samples& samples);

// V7: the combined attenuation in dB from the samples, with the azimuth and
// elevation as passed to the rule (not reduced). verticalIsTa: the vertical
// type letters are exactly "TA" (plain product of hAz and vFwd).
double CombineV7Samples(float azimuth, float elevation, const V7Samples& samples,
                        bool verticalIsTa);

// V7: the elevation's cosine and sine as the combination computes them, for
// callers that combine many directions of one elevation.
struct V7ElevationTrig {
  double cosine = 1.0;
  double sine = 0.0;
};
V7ElevationTrig V7ElevationTrigOf(float elevation);
double CombineV7Samples(float azimuth, float elevation, const V7ElevationTrig& trig,
                        const V7Samples& samples, bool verticalIsTa);

// V7 in its two halves: the combined relative field, clamped into [0.01, 1]
// (0.01 for a non-finite angle), and its attenuation in dB. A caller that
// meets the same field again may reuse the attenuation.
double V7CombinedField(float azimuth, float elevation, const V7ElevationTrig& trig,
                       const V7Samples& samples, bool verticalIsTa);
double V7AttenuationOfField(double field);

}  // namespace veltrisko
