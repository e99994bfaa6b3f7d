// SPDX-License-Identifier: MIT
#include <cstdio>
#include <string>
#include <vector>

#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "render/pattern_frame.h"
#include "tools/cli/job_size.h"
#include "tools/commands.h"
#include "tools/progress.h"
#include "tools/render_options.h"

namespace veltrisko::tool {

namespace {

// The viewer's frame without a display: the same set-up and passes, drawn
// into an offscreen pbuffer.
bool RenderOffscreen(const RenderOptions& options, RgbImage& image, FrameOutcome& outcome) {
  HeadlessSurface surface(options.width, options.height);
  GLContext glContext;
  if (!glContext.MakeCurrent(&surface)) {
    std::fprintf(stderr, "veltrisko-pattern: no OpenGL context: %s\n", surface.Error().c_str());
    glContext.DeleteContext();
    return false;
  }
  outcome = DrawPattern(options.scene, ClientRect{0, 0, options.width, options.height},
                        options.codes.horizontal.c_str(), options.codes.vertical.c_str());
  image = surface.ReadPixels();
  glContext.MakeCurrent(nullptr);
  // The context lives on the surface, which ends here.
  glContext.DeleteContext();
  return true;
}

// A frame ends after the axes when a code is rejected; each code is tried on
// its own next to a non-directional partner to tell which.
void ReportRejectedCodes(const RenderOptions& options) {
  bool named = false;
  const auto rejected = [&](const char* horizontal, const char* vertical) {
    DrawList scratch;
    return RecordPatternFrame(options.scene, horizontal, vertical, scratch) !=
           FrameOutcome::Complete;
  };
  if (rejected(options.codes.horizontal.c_str(), "000ND00")) {
    std::fprintf(stderr, "veltrisko-pattern: invalid horizontal antenna code '%s'\n",
                 options.codes.horizontal.c_str());
    named = true;
  }
  if (rejected("000ND00", options.codes.vertical.c_str())) {
    std::fprintf(stderr, "veltrisko-pattern: invalid vertical antenna code '%s'\n",
                 options.codes.vertical.c_str());
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
  if (const std::optional<std::string> refusal =
          RenderSizeRefusal(options.width, options.height, options.force)) {
    return UsageError(*refusal);
  }
  RgbImage image;
  FrameOutcome outcome = FrameOutcome::EndedEarly;
  {
    // Drawing, then encoding: the two halves of a large picture's time.
    Progress progress("render", 2);
    progress.Update(0);
    if (!RenderOffscreen(options, image, outcome)) return 1;
    progress.Update(1);
    std::string error;
    if (!WritePng(options.output, image, error)) {
      std::fprintf(stderr, "veltrisko-pattern: %s\n", error.c_str());
      return 1;
    }
  }
  if (outcome != FrameOutcome::Complete) {
    ReportRejectedCodes(options);
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
