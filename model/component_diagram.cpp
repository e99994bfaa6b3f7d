// SPDX-License-Identifier: MIT
#include "model/component_diagram.h"

#include <cmath>
#include <cstring>

#include "model/invalid_antenna_code.h"
#include "model/rounded_trigonometry.h"
#include "units/angle_units.h"

namespace veltrisko {
namespace {

using Family = ComponentDiagram::Family;

constexpr double kPi = 3.141592653589793;
constexpr double kPiOverTwo = 1.5707963267948966;
constexpr double kPiOverThree = 1.0471975511965976;
constexpr double kSqrt2 = 1.4142135623730951;

// Relative field at 180 degrees of the V and W families, letters 'A' to 'I'.
constexpr float kBackFieldLetterValues[] = {0.0f,  0.05f, 0.1f,  0.15f, 0.2f,
                                            0.25f, 0.3f,  0.35f, 0.4f};

Family FamilyOf(const char* letters) {
  if (letters[0] == 'V') return Family::kV;
  if (letters[0] == 'W') return Family::kW;
  struct Named {
    const char* letters;
    Family family;
  };
  static constexpr Named kFamilies[] = {
      {"EA", Family::kEA}, {"EB", Family::kEB}, {"EC", Family::kEC}, {"DE", Family::kDE},
      {"LA", Family::kLA}, {"KA", Family::kKA}, {"CA", Family::kCA}, {"CB", Family::kCB},
      {"CC", Family::kCC}, {"TA", Family::kTA}, {"ND", Family::kND}, {"XX", Family::kND}};
  for (const Named& named : kFamilies) {
    if (std::strcmp(letters, named.letters) == 0) return named.family;
  }
  return Family::kRejected;
}

// Comparisons are written so that a leading number that is not a number
// passes, as the accepted ranges are stated as "not above" limits.
bool LeadingNumberAccepted(Family family, float leading) {
  switch (family) {
    case Family::kEA:
    case Family::kDE:
      return !(leading == 0.0f || leading > 65.0f);
    case Family::kEB:
      return !(leading == 0.0f || leading > 79.0f);
    case Family::kEC:
      return !(leading == 0.0f || leading > 96.0f);
    case Family::kLA:
      return !(leading == 0.0f || leading > 120.0f);
    case Family::kKA:
    case Family::kCA:
    case Family::kCB:
    case Family::kCC:
      return !(leading > 100.0f);
    case Family::kTA:
      return !(leading < 1.0f || leading > 890.0f);
    default:
      return true;
  }
}

void PrepareBeams(const AntennaCodeReading& reading, ComponentDiagram& diagram) {
  const int beamWidth = 5 * reading.beamWidthStep + 15;
  diagram.secondBeamDegrees = 2 * reading.beamHalfSeparation;
  float e = kBackFieldLetterValues[reading.backFieldLetter - 'A'];
  if (e == 0.0f) e = 0.00001f;
  const double half = (1.0 + e) * 0.5;
  const double v = half * half;
  const double cB = RoundedCos(beamWidth * kRadiansPerDegree);
  const double D = 1.0 - e;
  const double F = cB / kSqrt2 - D * 0.5;
  const double H = (1.0 - cB * cB) * (v * 0.5) / (v - F * F);
  diagram.beamV = v;
  diagram.beamK = H - v;
  diagram.beamM = e * H * v;
  diagram.beamI = H * H * v - diagram.beamM;
  diagram.beamJ = D * H * 0.5;
}

void PrepareFamily(const AntennaCodeReading& reading, ComponentDiagram& diagram) {
  const float L = reading.leadingNumber;
  const double cL = RoundedCos(L * kRadiansPerDegree);
  const float s2 = static_cast<float>(1.0 - cL * cL);
  switch (diagram.family) {
    case Family::kEA: {
      const double t = kSqrt2 * cL - 1.0;
      const double u = 0.5 * s2 / (1.0 - t * t);
      diagram.fourU = 4.0 * u;
      diagram.fourUMinusOne = 4.0 * u - 1.0;
      break;
    }
    case Family::kDE: {
      const double t = 2.0 * cL - kSqrt2;
      const double u = s2 / (2.0 - t * t);
      diagram.fourU = 4.0 * u;
      diagram.fourUMinusOne = 4.0 * u - 1.0;
      break;
    }
    case Family::kEB:
    case Family::kEC: {
      const bool eb = diagram.family == Family::kEB;
      const double alpha = eb ? 0.8 : 0.6;
      const double beta = eb ? 0.72 : 0.98;
      diagram.gamma = eb ? 1.44 : 1.96;
      diagram.delta = eb ? 0.2 : 0.4;
      diagram.kappa = eb ? 2.4 : 2.8;
      diagram.lambda = eb ? 1.6 : 1.2;
      const double t = kSqrt2 * cL - alpha;
      diagram.h = beta * s2 / (diagram.gamma - t * t);
      diagram.fourHMinusGamma = 4.0 * diagram.h - diagram.gamma;
      break;
    }
    case Family::kLA:
      diagram.halfPowerRadians = L * kRadiansPerDegree;
      break;
    case Family::kKA:
      diagram.p = L * 0.01;
      diagram.q = 1.0 - diagram.p;
      break;
    case Family::kCA:
    case Family::kCB:
    case Family::kCC: {
      const double p = L * 0.01;
      diagram.pSquared = p * p;
      diagram.oneMinusPSquared = 1.0 - diagram.pSquared;
      diagram.harmonicRadiansPerDegree = diagram.family == Family::kCA   ? 0.03490658503988659
                                         : diagram.family == Family::kCB ? 0.05235987755982988
                                                                         : 0.06981317007977318;
      break;
    }
    case Family::kTA:
      diagram.exponent = -0.1505 / std::log10(RoundedCos(L * 0.1 * kRadiansPerDegree));
      break;
    case Family::kV:
    case Family::kW:
      PrepareBeams(reading, diagram);
      break;
    default:
      break;
  }
}

bool BeamFieldsAccepted(const AntennaCodeReading& reading, Family family) {
  if (reading.beamFieldCount != 2) return false;
  if (reading.backFieldLetter < 'A' || reading.backFieldLetter > 'I') return false;
  return family != Family::kW || reading.sideLobeFieldCount == 2;
}

double BeamField(const ComponentDiagram& g, double x) {
  return (std::sqrt(g.beamM + g.beamI * x * x) + g.beamJ * x) / (g.beamV + g.beamK * x * x);
}

}  // namespace

double FieldBeforeFloors(const ComponentDiagram& g, float angle, bool& floorApplies) {
  return FieldBeforeFloors(g, angle, g.usesAngleCosine ? AngleCosine(angle) : 0.0, floorApplies);
}

double FieldBeforeFloors(const ComponentDiagram& g, float angle, double cA, bool& floorApplies) {
  switch (g.family) {
    case Family::kEA:
      return g.fourU * cA / (g.fourUMinusOne * cA * cA + 1.0);
    case Family::kDE:
      return std::fabs(g.fourU * cA / (g.fourUMinusOne * cA * cA + 1.0));
    case Family::kEB:
    case Family::kEC: {
      double m = g.h * ((g.h - g.delta) * cA * cA + g.delta);
      if (m < 0.0) m = 0.0;
      return (g.kappa * std::sqrt(m) + g.lambda * g.h * cA) /
             (g.fourHMinusGamma * cA * cA + g.gamma);
    }
    case Family::kLA: {
      double a = angle * kRadiansPerDegree;
      if (a > kPi) a = 2.0 * kPi - a;
      if (std::fabs(a) < 1.5 * g.halfPowerRadians) {
        return RoundedCos(kPiOverTwo * (1.0 - RoundedCos(a * kPiOverThree / g.halfPowerRadians)));
      }
      floorApplies = false;
      return g.sideLobeFloor;
    }
    case Family::kKA: {
      double F = g.q * g.q * (cA * cA) + 4.0 * g.p;
      if (F < 0.0) F = 0.0;
      return (std::sqrt(F) + g.q * cA) * 0.5;
    }
    case Family::kCA:
    case Family::kCB:
    case Family::kCC: {
      const double cn = RoundedCos(angle * g.harmonicRadiansPerDegree);
      const double w = g.oneMinusPSquared;
      double G = w * w * (cn * cn) + 4.0 * g.pSquared;
      if (G < 0.0) G = 0.0;
      double x = (std::sqrt(G) + w * cn) * 0.5;
      if (x < 0.0) x = 0.0;
      return std::sqrt(x);
    }
    case Family::kTA:
      return cA > 0.0 ? std::pow(cA, g.exponent) : 0.01;
    case Family::kV:
    case Family::kW: {
      // The first beam's axis is the main axis: its offset is the angle itself.
      const double d1 = BeamField(g, cA);
      const double d2 = BeamFieldAtOffset(g, static_cast<double>(angle) - g.secondBeamDegrees);
      return d1 > d2 ? d1 : d2;
    }
    default:
      return 1.0;
  }
}

double BeamFieldAtOffset(const ComponentDiagram& diagram, double offsetDegrees) {
  return BeamField(diagram, RoundedCos(offsetDegrees * kRadiansPerDegree));
}

bool BetweenBeams(const ComponentDiagram& diagram, float angle) {
  return angle > 0.0f && diagram.secondBeamDegrees > angle;
}

double FieldOutput(double field, bool linear) {
  if (linear) {
    if (field < 0.01) return 0.01;
    if (field > 1.0) return 1.0;
    return field;
  }
  return field >= 0.01 ? 20.0 * std::log10(field) : -40.0;
}

ComponentDiagram PrepareComponentDiagram(const AntennaCodeReading& reading) {
  ComponentDiagram diagram;
  if (!reading.Scans()) return diagram;
  const Family family = FamilyOf(reading.typeLetters);
  if (family == Family::kRejected || !LeadingNumberAccepted(family, reading.leadingNumber)) {
    return diagram;
  }
  if ((family == Family::kV || family == Family::kW) && !BeamFieldsAccepted(reading, family)) {
    return diagram;
  }
  diagram.family = family;
  diagram.sideLobeFloor = reading.trailingNumber * 0.01;
  if (family == Family::kW) {
    diagram.sideLobeFloor = 0.01;
    diagram.backSideLobeFloor = static_cast<float>(0.05 * reading.backSideLobeStep);
    diagram.frontSideLobeFloor = static_cast<float>(0.35 + 0.05 * reading.frontSideLobeStep);
  }
  diagram.sideLobeFloorField = FieldOutput(diagram.sideLobeFloor, true);
  diagram.sideLobeFloorGainDb = FieldOutput(diagram.sideLobeFloor, false);
  diagram.usesAngleCosine = family != Family::kLA && family != Family::kCA &&
                            family != Family::kCB && family != Family::kCC && family != Family::kND;
  PrepareFamily(reading, diagram);
  return diagram;
}

double EvaluateComponentDiagram(const ComponentDiagram& diagram, float angle, bool linear) {
  return EvaluateComponentDiagram(diagram, angle,
                                  diagram.usesAngleCosine ? AngleCosine(angle) : 0.0, linear);
}

double EvaluateComponentDiagram(const ComponentDiagram& diagram, float angle, double angleCosine,
                                bool linear) {
  if (diagram.family == Family::kRejected) throw InvalidAntennaCode("invalid antenna type");
  bool floorApplies = true;
  double d = FieldBeforeFloors(diagram, angle, angleCosine, floorApplies);
  if (diagram.family == Family::kW) {
    d = RaiseToFloor(
        d, BetweenBeams(diagram, angle) ? diagram.frontSideLobeFloor : diagram.backSideLobeFloor);
  }
  // Where LA does not apply the floor it has given the floor itself; the
  // negated comparison is RaiseToFloor's, which gives the floor.
  if (!floorApplies || !(d >= diagram.sideLobeFloor)) {
    return linear ? diagram.sideLobeFloorField : diagram.sideLobeFloorGainDb;
  }
  return FieldOutput(d, linear);
}

}  // namespace veltrisko
