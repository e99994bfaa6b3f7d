// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "model/antenna_code_reading.h"
#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {

// One component's diagram, prepared from the readings of its code: the family
// and every quantity that depends on the code alone, computed exactly as the
// evaluation of the text would compute them, so that evaluating a prepared
// diagram gives the same bits as evaluating the text.
struct ComponentDiagram {
  enum class Family { kRejected, kEA, kEB, kEC, kDE, kLA, kKA, kCA, kCB, kCC, kTA, kND, kV, kW };

  Family family = Family::kRejected;
  // EA, EB, EC, DE, KA, TA, V and W start from AngleCosine of the angle.
  bool usesAngleCosine = false;
  double sideLobeFloor = 0.0;  // f; 0.01 for the W family
  // FieldOutput of sideLobeFloor, linear and in dB: what every angle whose
  // field is raised to that floor gives, so that only the others take a
  // logarithm. Derived from sideLobeFloor by PrepareComponentDiagram.
  double sideLobeFloorField = 0.0;
  double sideLobeFloorGainDb = 0.0;

  // EA and DE: 4u and 4u - 1. EB and EC: h, 4h - gamma and the family constants.
  double fourU = 0.0;
  double fourUMinusOne = 0.0;
  double h = 0.0;
  double fourHMinusGamma = 0.0;
  double gamma = 0.0;
  double delta = 0.0;
  double kappa = 0.0;
  double lambda = 0.0;
  // LA: the half-power angle in radians.
  double halfPowerRadians = 0.0;
  // KA: p and q; CA, CB and CC: p^2, 1 - p^2 and n*pi/180.
  double p = 0.0;
  double q = 0.0;
  double pSquared = 0.0;
  double oneMinusPSquared = 0.0;
  double harmonicRadiansPerDegree = 0.0;
  // TA: the exponent n.
  double exponent = 0.0;
  // V and W: the beam function's coefficients and the second beam's angle.
  double beamV = 0.0;
  double beamK = 0.0;
  double beamM = 0.0;
  double beamI = 0.0;
  double beamJ = 0.0;
  int secondBeamDegrees = 0;
  float frontSideLobeFloor = 0.0f;
  float backSideLobeFloor = 0.0f;
};

// Never throws: a rejected code yields Family::kRejected.
ComponentDiagram PrepareComponentDiagram(const AntennaCodeReading& reading);

// The steps of EvaluateComponentDiagram, exposed so that a caller that varies
// only the side-lobe floors of a diagram reproduces its evaluation bit for
// bit: the field before any floor (for W before its sector floor), cleared
// `floorApplies` where LA already gives its floor; whether a W angle lies
// between the two beams (its front sector); the raise to a floor; the output.
double FieldBeforeFloors(const ComponentDiagram& diagram, float angle, bool& floorApplies);
double FieldBeforeFloors(const ComponentDiagram& diagram, float angle, double angleCosine,
                         bool& floorApplies);
bool BetweenBeams(const ComponentDiagram& diagram, float angle);
// V and W: the field of one beam at `offsetDegrees` off its axis; the field
// before the floors is the larger of the two beams' fields (the first wins a
// tie), at the angle and at the angle minus the second beam's angle.
double BeamFieldAtOffset(const ComponentDiagram& diagram, double offsetDegrees);
// Written as a negated comparison so that a field that is not a number also
// becomes the floor.
inline double RaiseToFloor(double field, double floor) { return field >= floor ? field : floor; }
double FieldOutput(double field, bool linear);

// The cosine of an angle in degrees as the diagrams that use it compute it. A
// caller that samples two diagrams at one angle computes it once and passes
// it to both (any value will do for a diagram that does not use it).
inline double AngleCosine(float angle) { return RoundedCos(angle * kRadiansPerDegree); }

// Relative field or gain in dB of a prepared diagram; throws
// InvalidAntennaCode("invalid antenna type") for a rejected code.
double EvaluateComponentDiagram(const ComponentDiagram& diagram, float angle, bool linear);
double EvaluateComponentDiagram(const ComponentDiagram& diagram, float angle, double angleCosine,
                                bool linear);

}  // namespace veltrisko
