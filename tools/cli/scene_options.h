// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "scene/scene_state.h"
#include "scene/view_angles.h"  // ApplyTilt, for the commands that read --tilt
#include "tools/cli/option_reader.h"

namespace veltrisko::tool {

// The two antenna codes of a command, as given.
struct PatternCodes {
  std::string horizontal;
  std::string vertical;
};

// --horizontal CODE and --vertical CODE (both required), --rule v6|v7 into
// the scene's useHcmV7 and --log DBRANGE into its logScale and dbRange.
void DeclarePatternOptions(OptionReader& reader, PatternCodes& codes, SceneState& scene);

// The viewer's view and display options, straight into the scene: --step
// (15, 10, 6, 3 or 2), --azimuth and --elevation (brought into the viewer's
// range by whole turns), --tilt into `tiltDegrees` (see ApplyTilt in scene/view_angles.h) and the
// --no-... flags that clear the scene's display flags.
void DeclareViewOptions(OptionReader& reader, SceneState& scene, float& tiltDegrees);

// --output FILE; "-" is standard output.
OptionReader& DeclareOutputOption(OptionReader& reader, std::string& output, const char* valueName);

// --force: allow a job above the size limits (see job_size.h).
void DeclareForceOption(OptionReader& reader, bool& force);

}  // namespace veltrisko::tool
