// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "model/parsed_antenna_code.h"
#include "render/pattern_geometry.h"
#include "scene/scene_state.h"
#include "text/language.h"

namespace veltrisko {

// The gains (dB, 0 .. -40) of the two components where a rule samples them
// for one relative direction: the V7 rule takes the horizontal code at the
// azimuth and the vertical code at the negated elevation, the V6 rule both at
// the total angle off the main axis. Throws InvalidAntennaCode.
struct ComponentGains {
  double horizontalDb = 0.0;
  double verticalDb = 0.0;
};
ComponentGains ComponentGainsOf(bool useHcmV7, RelativeDirection direction,
                                const ParsedAntennaCode& horizontal,
                                const ParsedAntennaCode& vertical);

// Everything the viewer tells about one direction.
struct DirectionReadout {
  WorldDirection world;
  RelativeDirection relative;
  ComponentGains gains;  // as the rule in force samples them
  float v6Db = 0.0f;     // combined attenuation by each rule
  float v7Db = 0.0f;
  bool useHcmV7 = true;  // the rule in force
  float displayValue = 0.0f;
};

// A world direction as the readout shows it: both angles to a tenth of a
// degree.
WorldDirection ShownDirection(WorldDirection world);

// The readout of a world direction for the scene and the two code texts;
// nothing when a code cannot be evaluated there. The direction is taken as
// shown (ShownDirection) and so is the relative direction: the numbers are
// those of the codes evaluated at the relative angles the readout shows.
std::optional<DirectionReadout> ReadDirection(const SceneState& scene, const char* horizontalCode,
                                              const char* verticalCode, WorldDirection world);

// The readout as lines of text (0.1 degrees, 0.01 dB; the language's
// decimal separator), the rule in force marked with an asterisk.
std::string ReadoutText(const DirectionReadout& readout, Language language = kDefaultLanguage);
// One line for a status bar.
std::string ReadoutStatusLine(const DirectionReadout& readout,
                              Language language = kDefaultLanguage);

// A number with a decimal comma and `decimals` places ("-3,01").
std::string GermanNumber(double value, int decimals);

}  // namespace veltrisko
