// SPDX-License-Identifier: MIT
#include "analysis/direction_readout.h"

#include <cmath>
#include <cstdio>
#include <exception>

#include "model/combination.h"
#include "model/combination_parts.h"
#include "render/display_value.h"

namespace veltrisko {

namespace {

double GainOfField(float field) { return 20.0 * std::log10(static_cast<double>(field)); }

// An angle as the readout shows it, to a tenth of a degree.
float ToTenth(float degrees) {
  return static_cast<float>(std::round(static_cast<double>(degrees) * 10.0) / 10.0);
}

// The relative direction as shown: a tenth of a degree, the azimuth kept in
// (-180, 180] after rounding.
RelativeDirection ShownRelative(RelativeDirection exact) {
  RelativeDirection shown{ToTenth(exact.azimuth), ToTenth(exact.elevation)};
  if (shown.azimuth <= -180.0f) shown.azimuth += 360.0f;
  return shown;
}

}  // namespace

ComponentGains ComponentGainsOf(bool useHcmV7, RelativeDirection direction,
                                const ParsedAntennaCode& horizontal,
                                const ParsedAntennaCode& vertical) {
  if (useHcmV7) {
    const V7Samples s = SampleV7(direction.azimuth, direction.elevation, horizontal, vertical);
    return {GainOfField(s.hAz), GainOfField(s.vFwd)};
  }
  const V6Direction v6 = ReduceV6Direction(direction.azimuth, direction.elevation);
  return {horizontal.ComponentAttenuation(v6.horizontalAngle, false),
          vertical.ComponentAttenuation(v6.verticalAngle, false)};
}

WorldDirection ShownDirection(WorldDirection world) {
  return {ToTenth(world.azimuth), ToTenth(world.elevation)};
}

std::optional<DirectionReadout> ReadDirection(const SceneState& scene, const char* horizontalCode,
                                              const char* verticalCode, WorldDirection world) {
  const ParsedAntennaCode horizontal(horizontalCode ? horizontalCode : "");
  const ParsedAntennaCode vertical(verticalCode ? verticalCode : "");
  DirectionReadout readout;
  // Every number is computed at the angles as shown, so that each can be
  // checked by evaluating the codes there.
  readout.world = ShownDirection(world);
  readout.relative = ShownRelative(RelativeDirectionOf(scene, readout.world));
  readout.useHcmV7 = scene.useHcmV7;
  try {
    const float az = readout.relative.azimuth;
    const float el = readout.relative.elevation;
    readout.v6Db = CombinedAttenuationV6(az, el, horizontal, vertical);
    readout.v7Db = static_cast<float>(CombinedAttenuationV7(az, el, horizontal, vertical));
    readout.gains = ComponentGainsOf(scene.useHcmV7, readout.relative, horizontal, vertical);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  const float inForce = scene.useHcmV7 ? readout.v7Db : readout.v6Db;
  readout.displayValue = DisplayValue(inForce, DisplayRange(scene.logScale, scene.dbRange));
  return readout;
}

std::string GermanNumber(double value, int decimals) {
  // Rounding first keeps "-0,00" from appearing for tiny negative values.
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0.0) rounded = 0.0;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
  std::string result(text);
  for (char& c : result) {
    if (c == '.') c = ',';
  }
  return result;
}

namespace {

std::string Degrees(float value) { return GermanNumber(value, 1) + " °"; }
std::string Db(double value) { return GermanNumber(value, 2) + " dB"; }

}  // namespace

std::string ReadoutText(const DirectionReadout& r) {
  const char* v6Mark = r.useHcmV7 ? "" : " *";
  const char* v7Mark = r.useHcmV7 ? " *" : "";
  std::string text;
  text +=
      "Azimut: " + Degrees(r.world.azimuth) + "   Elevation: " + Degrees(r.world.elevation) + "\n";
  text +=
      "relativ: φ " + Degrees(r.relative.azimuth) + "   θ " + Degrees(r.relative.elevation) + "\n";
  text += "Gewinn horizontal: " + Db(r.gains.horizontalDb) + "\n";
  text += "Gewinn vertikal: " + Db(r.gains.verticalDb) + "\n";
  text += "Dämpfung V6: " + Db(r.v6Db) + v6Mark + "\n";
  text += "Dämpfung V7: " + Db(r.v7Db) + v7Mark + "\n";
  text += "Anzeigewert: " + GermanNumber(r.displayValue, 3);
  return text;
}

std::string ReadoutStatusLine(const DirectionReadout& r) {
  return "Az " + Degrees(r.world.azimuth) + ", El " + Degrees(r.world.elevation) + " | φ " +
         Degrees(r.relative.azimuth) + ", θ " + Degrees(r.relative.elevation) + " | hor. " +
         Db(r.gains.horizontalDb) + ", vert. " + Db(r.gains.verticalDb) + " | V6 " + Db(r.v6Db) +
         (r.useHcmV7 ? "" : " *") + ", V7 " + Db(r.v7Db) + (r.useHcmV7 ? " *" : "") +
         " | Anzeigewert " + GermanNumber(r.displayValue, 3);
}

}  // namespace veltrisko
