// SPDX-License-Identifier: MIT
#include <cstdio>
#include <string>
#include <vector>

#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "render/pattern_frame.h"
#include "tools/commands.h"
#include "tools/render_options.h"

namespace veltrisko::tool {

const char* const kRenderHelpNote = "";

namespace {

// The viewer's frame without a display: the same set-up and passes, drawn
// into an offscreen framebuffer.
bool RenderOffscreen(const RenderOptions& options, const SceneState& scene, RgbImage& image,
                     FrameOutcome& outcome) {
  HeadlessSurface surface(options.width, options.height);
  GLContext glContext;
  if (!glContext.MakeCurrent(&surface)) {
    std::fprintf(stderr, "veltrisko-pattern: no OpenGL context: %s\n", surface.Error().c_str());
    glContext.DeleteContext();
    return false;
  }
  outcome = DrawPattern(scene, ClientRect{0, 0, options.width, options.height},
                        options.horizontalCode.c_str(), options.verticalCode.c_str());
  image = surface.ReadPixels();
  glContext.MakeCurrent(nullptr);
  // The context lives on the surface, which ends here.
  glContext.DeleteContext();
  return true;
}

// A frame ends after the axes when a code is rejected; each code is tried on
// its own next to a non-directional partner to tell which.
void ReportRejectedCodes(const RenderOptions& options, const SceneState& scene) {
  bool named = false;
  const auto rejected = [&](const char* horizontal, const char* vertical) {
    DrawList scratch;
    return RecordPatternFrame(scene, horizontal, vertical, scratch) != FrameOutcome::Complete;
  };
  if (rejected(options.horizontalCode.c_str(), "000ND00")) {
    std::fprintf(stderr, "veltrisko-pattern: invalid horizontal antenna code '%s'\n",
                 options.horizontalCode.c_str());
    named = true;
  }
  if (rejected("000ND00", options.verticalCode.c_str())) {
    std::fprintf(stderr, "veltrisko-pattern: invalid vertical antenna code '%s'\n",
                 options.verticalCode.c_str());
    named = true;
  }
  if (!named) std::fputs("veltrisko-pattern: the pattern could not be drawn\n", stderr);
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
  RenderOptions options;
  if (const std::optional<std::string> problem = ParseRenderOptions(args, options)) {
    return UsageError(*problem);
  }
  const SceneState scene = SceneFor(options);
  RgbImage image;
  FrameOutcome outcome = FrameOutcome::EndedEarly;
  if (!RenderOffscreen(options, scene, image, outcome)) return 1;
  std::string error;
  if (!WritePng(options.output, image, error)) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write '%s': %s\n", options.output.c_str(),
                 error.c_str());
    return 1;
  }
  if (outcome != FrameOutcome::Complete) {
    ReportRejectedCodes(options, scene);
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
