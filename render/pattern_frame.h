// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "render/draw_list.h"
#include "render/pattern_geometry.h"
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

// Additions to the frame, all off by default; with all off the frame is
// exactly the one above.
struct FrameOptions {
  // Colour the surface by |V6 - V7| in dB instead of the display value (the
  // geometry stays that of the rule in force), on the false-colour scale from
  // 0 dB to the frame's largest difference (at least 1 dB), and mark the
  // direction of the largest difference.
  bool differenceColouring = false;
  // A world direction to mark with a small cross on the surface.
  std::optional<WorldDirection> markedDirection;
};

// What a frame with difference colouring found.
struct DifferenceFindings {
  float largestDb = 0.0f;       // the largest |V6 - V7| among the grid elements
  float scaleEndDb = 0.0f;      // the colour scale's end: largestDb, at least 1 dB
  WorldDirection largestWorld;  // where it occurs (the first such element)
};

// Colour of the marker of the largest difference, and of a marked direction.
inline constexpr std::uint8_t kLargestDifferenceMarker[3] = {255, 0, 255};
inline constexpr std::uint8_t kMarkedDirectionMarker[3] = {0, 0, 0};

// The frame with the additions of `options`; `findings`, when given, is set
// when the difference colouring ran through and reset otherwise.
FrameOutcome RecordPatternFrame(const SceneState& scene, const char* horizontalCode,
                                const char* verticalCode, DrawSink& out,
                                const FrameOptions& options,
                                std::optional<DifferenceFindings>* findings);

// The same with the pattern found through `lookup`.
FrameOutcome RecordPatternFrame(const SceneState& scene, PatternLookup& lookup, DrawSink& out);

}  // namespace veltrisko
