// SPDX-License-Identifier: MIT
#include "analysis/direction_readout.h"

#include <cmath>
#include <exception>

#include "model/combination.h"
#include "model/combination_parts.h"
#include "render/display_value.h"
#include "text/readout_texts.h"

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
  return DecimalNumber(value, decimals, Language::kGerman);
}

namespace {

std::string Degrees(float value, Language language) {
  return DecimalNumber(value, 1, language) + " °";
}
std::string Db(double value, Language language) {
  return DecimalNumber(value, 2, language) + " dB";
}

}  // namespace

std::string ReadoutText(const DirectionReadout& r, Language language) {
  const auto in = [language](const Text& text) { return InString(language, text); };
  const auto degrees = [language](float value) { return Degrees(value, language); };
  const auto db = [language](double value) { return Db(value, language); };
  const char* v6Mark = r.useHcmV7 ? "" : " *";
  const char* v7Mark = r.useHcmV7 ? " *" : "";
  std::string text;
  text += in(texts::kReadoutAzimuth) + " " + degrees(r.world.azimuth) + "   " +
          in(texts::kReadoutElevation) + " " + degrees(r.world.elevation) + "\n";
  text += in(texts::kReadoutRelative) + " φ " + degrees(r.relative.azimuth) + "   θ " +
          degrees(r.relative.elevation) + "\n";
  text += in(texts::kReadoutHorizontalGain) + " " + db(r.gains.horizontalDb) + "\n";
  text += in(texts::kReadoutVerticalGain) + " " + db(r.gains.verticalDb) + "\n";
  text += in(texts::kReadoutAttenuation) + " V6: " + db(r.v6Db) + v6Mark + "\n";
  text += in(texts::kReadoutAttenuation) + " V7: " + db(r.v7Db) + v7Mark + "\n";
  text += in(texts::kReadoutDisplayValue) + ": " + DecimalNumber(r.displayValue, 3, language);
  return text;
}

std::string ReadoutStatusLine(const DirectionReadout& r, Language language) {
  const auto degrees = [language](float value) { return Degrees(value, language); };
  const auto db = [language](double value) { return Db(value, language); };
  return InString(language, texts::kStatusAzimuth) + " " + degrees(r.world.azimuth) + ", " +
         InString(language, texts::kStatusElevation) + " " + degrees(r.world.elevation) + " | φ " +
         degrees(r.relative.azimuth) + ", θ " + degrees(r.relative.elevation) + " | hor. " +
         db(r.gains.horizontalDb) + ", vert. " + db(r.gains.verticalDb) + " | V6 " + db(r.v6Db) +
         (r.useHcmV7 ? "" : " *") + ", V7 " + db(r.v7Db) + (r.useHcmV7 ? " *" : "") + " | " +
         InString(language, texts::kReadoutDisplayValue) + " " +
         DecimalNumber(r.displayValue, 3, language);
}

}  // namespace veltrisko
