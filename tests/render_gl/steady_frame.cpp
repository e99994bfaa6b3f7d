// SPDX-License-Identifier: MIT
// Test helper: the frame a viewer shows once it has painted before, drawn
// headless: a frame of the starting codes 030EA00 / 030EA00 first and then
// the asked-for one, both on one context, as the viewer does. Every frame
// sets all the state it draws with, so the result equals the frame of
// `veltrisko-pattern render`, whose arguments this takes.
#include <cstdio>
#include <string>
#include <vector>

#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "tools/render_options.h"

int main(int argc, char** argv) {
  using namespace veltrisko;
  tool::RenderOptions options;
  if (const auto problem = tool::ParseRenderOptions({argv + 1, argv + argc}, options)) {
    std::fprintf(stderr, "steady_frame: %s\n", problem->c_str());
    return 2;
  }
  const SceneState& scene = options.scene;
  const ClientRect client{0, 0, options.width, options.height};
  HeadlessSurface surface(options.width, options.height);
  GLContext context;
  if (!context.MakeCurrent(&surface)) {
    std::fprintf(stderr, "steady_frame: no OpenGL context: %s\n", surface.Error().c_str());
    return 1;
  }
  DrawPattern(scene, client, "030EA00", "030EA00");
  DrawPattern(scene, client, options.codes.horizontal.c_str(), options.codes.vertical.c_str());
  const RgbImage image = surface.ReadPixels();
  context.MakeCurrent(nullptr);
  context.DeleteContext();
  std::string error;
  if (!WritePng(options.output, image, error)) {
    std::fprintf(stderr, "steady_frame: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
