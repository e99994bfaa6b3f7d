// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/logic/legend_content.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "render/pattern_frame.h"
#include "scene/scene_state.h"

namespace veltrisko {

// The main window's 3-D picture. OpenGL draws it into an offscreen buffer
// and GDI copies it into the window: an OpenGL surface on the window itself
// would lie over the legend child windows (under Wine it hides them, and
// moving them while the surface is resized can hang the X11 driver).
class PatternPicture {
 public:
  PatternPicture() = default;
  PatternPicture(const PatternPicture&) = delete;
  PatternPicture& operator=(const PatternPicture&) = delete;
  ~PatternPicture() { Release(); }

  // Gives the OpenGL context and its buffer back; the next Render makes new
  // ones. Called while the window system still runs, not at the exit.
  void Release();

  // Draws a frame of the scene and the two codes at the given size in
  // pixels and keeps it; false when no OpenGL context could be had (Error()
  // says why).
  bool Render(int width, int height, const SceneState& scene, const char* horizontalCode,
              const char* verticalCode, const FrameOptions& options);
  // Copies the kept frame to the device context at (0, 0).
  void CopyTo(HDC dc) const;

  // What the last frame's difference colouring found (nothing without it).
  const std::optional<DifferenceFindings>& Findings() const { return findings_; }
  const std::string& Error() const { return error_; }

 private:
  bool EnsureSurface(int width, int height);

  std::unique_ptr<HeadlessSurface> surface_;
  GLContext context_;               // declared after the surface it lives on
  std::vector<std::uint8_t> bgra_;  // bottom row first, as OpenGL reads it
  int width_ = 0;
  int height_ = 0;
  std::optional<DifferenceFindings> findings_;
  std::string error_;
};

// The line over the top-left corner of the picture (dark red on white), e.g.
// "Ungültiger Antennencode: 000EA10 (horizontal)"; nothing for an empty text.
void DrawCodeMessage(HDC dc, const std::string& utf8);

// The readout box (black on light yellow, grey border) with its lines of
// text beside a cursor position, kept inside a view of the given size and
// clear of `keepClear` (the configuration dialog in the view's pixels; width
// 0 for none) where some side of the cursor allows. Returns where it stands
// (width 0 for no text).
LegendRect DrawReadoutBox(HDC dc, const std::string& utf8, POINT cursor, SIZE view,
                          const LegendRect& keepClear);

}  // namespace veltrisko
