// SPDX-License-Identifier: MIT
#pragma once

#include "render/draw_list.h"
#include "render/pattern_lookup.h"
#include "scene/scene_state.h"

namespace veltrisko {

// How the frame finds the pattern: through codes read once per frame (the
// viewer's way) or by evaluating the code texts for every lookup.
enum class LookupPath { Parsed, Text };

enum class FrameOutcome {
  Complete,
  // A lookup threw (an unreadable code), the grid could not be had, or the
  // scene has no valid step or view angle: only the axes were drawn.
  EndedEarly,
};

// Sends every call of one frame after its set-up to `out`: the axes, then, from the
// sample grid of the two codes, the surface, grid, diagrams, horizontal cut,
// pointer line and reference circle that the scene's flags ask for.
FrameOutcome RecordPatternFrame(const SceneState& scene, const char* horizontalCode,
                                const char* verticalCode, DrawSink& out,
                                LookupPath path = LookupPath::Parsed);

// The same with the pattern found through `lookup`.
FrameOutcome RecordPatternFrame(const SceneState& scene, PatternLookup& lookup, DrawSink& out);

}  // namespace veltrisko
