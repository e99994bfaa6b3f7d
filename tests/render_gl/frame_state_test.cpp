// SPDX-License-Identifier: MIT
// The frame's set-up replayed on a headless EGL context: the same OpenGL state
// as the calls it replaced, and a picture that nothing before it changes.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "render/frame_setup.h"
#include "render/gl/apply_frame_setup.h"
#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"

namespace veltrisko {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

class FrameState : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    surface_ = std::make_unique<HeadlessSurface>(kWidth, kHeight);
    ASSERT_TRUE(context_.MakeCurrent(surface_.get())) << surface_->Error();
  }
  void TearDown() override { context_.DeleteContext(); }

  RgbImage Draw(const SceneState& scene, const char* horizontal, const char* vertical,
                const FrameOptions& options = {}) {
    DrawPattern(scene, ClientRect{0, 0, kWidth, kHeight}, horizontal, vertical, options, nullptr);
    return surface_->ReadPixels();
  }

  GLContext context_;
  std::unique_ptr<HeadlessSurface> surface_;
};

struct GlState {
  float projection[16], modelview[16], light[4], diffuse[4], ambient[4];
  int viewport[4];
};

GlState ReadState() {
  GlState s{};
  glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
  glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
  glGetLightfv(GL_LIGHT0, GL_POSITION, s.light);
  glGetLightfv(GL_LIGHT0, GL_DIFFUSE, s.diffuse);
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, s.ambient);
  glGetIntegerv(GL_VIEWPORT, s.viewport);
  return s;
}

// The calls the set-up was made of before it became a record.
void FormerSetUp(const ClientRect& client, const SceneState& scene) {
  const Viewport v = SquareViewport(client);
  glViewport(v.x, v.y, v.width, v.height);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat position[4] = {50.0f, 15.0f, 0.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  const GLfloat ambient[4] = {0.6f, 0.6f, 0.6f, 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  const GLfloat diffuse[4] = {0.7f, 0.5f, 0.5f, 1.0f};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(scene.cameraMatrix);
  glScaled(1.0 / 240.0, -1.0 / 240.0, 1.0 / 240.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

TEST_F(FrameState, RecordGivesTheStateOfTheFormerCalls) {
  SceneState tilted;
  tilted.TiltModel({0.0f, 0.0f}, 0.5f);
  const struct {
    ClientRect client;
    SceneState scene;
  } cases[] = {
      {{0, 0, 800, 600}, SceneState()}, {{0, 0, 600, 800}, tilted}, {{0, 0, 1, 1}, SceneState()}};
  for (const auto& c : cases) {
    FormerSetUp(c.client, c.scene);
    const GlState former = ReadState();
    ApplyFrameSetup(FrameSetupFor(c.client, c.scene));
    const GlState replayed = ReadState();
    EXPECT_EQ(std::memcmp(&former, &replayed, sizeof former), 0) << c.client.bottom;
  }
}

// Each frame after a disturbance equals the same frame drawn first on the
// context, pixel for pixel.
TEST_F(FrameState, FrameDependsOnNothingBeforeIt) {
  SceneState scene;
  scene.logScale = true;
  scene.ChangeAzimuth(0.7f);
  scene.ChangeElevation(0.45f);
  const RgbImage first = Draw(scene, "030EA10", "020EA05");
  SceneState noSurface = scene;
  noSurface.showSurface = false;
  FrameOptions difference;
  difference.differenceColouring = true;
  const std::function<void()> before[] = {
      [&] { Draw(SceneState(), "030EA00", "030EA00"); },
      [&] { Draw(noSurface, "030EA00", "130VA20", difference); },
      [&] { Draw(scene, "066EA00", "030EA00"); },
      [] {
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        glLineWidth(7.0f);
        glNormal3f(1.0f, 0.0f, 0.0f);
        glShadeModel(GL_FLAT);
        glDisable(GL_LIGHTING);
        glDisable(GL_COLOR_MATERIAL);
        glDisable(GL_POLYGON_OFFSET_FILL);
      },
      [] {
        glEnable(GL_CULL_FACE);
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 10, 10);
        glDepthFunc(GL_ALWAYS);
        glMatrixMode(GL_MODELVIEW);
        glRotatef(30.0f, 0.0f, 1.0f, 0.0f);
        glMatrixMode(GL_TEXTURE);
      },
  };
  int index = 0;
  for (const auto& disturb : before) {
    disturb();
    const RgbImage after = Draw(scene, "030EA10", "020EA05");
    EXPECT_TRUE(after.rgb == first.rgb) << "after disturbance " << index;
    ++index;
  }
}

}  // namespace
}  // namespace veltrisko
