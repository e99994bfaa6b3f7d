// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "render/display_value.h"
#include "render/gl/draw_pattern.h"
#include "render/gl/gl_context.h"
#include "render/gl/headless_surface.h"
#include "render/pattern_geometry.h"
#include "render/pattern_lookup.h"

namespace veltrisko {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;  // the viewport is the 300 x 300 square at the left

using Pixel = RgbImage::Pixel;
using PixelTest = std::function<bool(Pixel)>;

bool IsWhite(Pixel p) { return p.r == 255 && p.g == 255 && p.b == 255; }
bool IsGrey(Pixel p) {
  return std::abs(p.r - p.g) < 8 && std::abs(p.g - p.b) < 8 && p.r < 200 && p.r > 30;
}
bool IsRed(Pixel p) { return p.r > p.g + 60 && p.r > p.b + 60; }
bool IsGreen(Pixel p) { return p.g > p.r + 60 && p.g > p.b + 60; }
bool IsColoured(Pixel p) { return !IsWhite(p) && !IsGrey(p); }

// Draws frames without any window system: the test must not need a display.
class PatternImage : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    surface_ = std::make_unique<HeadlessSurface>(kWidth, kHeight);
    ASSERT_TRUE(context_.MakeCurrent(surface_.get())) << surface_->Error();
  }

  void TearDown() override {
    if (HasFailure() && image_.width > 0) {
      const std::filesystem::path dir = VELTRISKO_TEST_OUTPUT_DIR;
      std::filesystem::create_directories(dir);
      const std::filesystem::path file =
          dir /
          (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".png");
      std::string error;
      if (WritePng(file.string(), image_, error)) {
        std::fprintf(stderr, "The failing picture is %s\n", file.c_str());
      }
    }
    context_.DeleteContext();
  }

  FrameOutcome Draw(const SceneState& scene, const char* horizontal, const char* vertical) {
    const FrameOutcome outcome =
        DrawPattern(scene, ClientRect{0, 0, kWidth, kHeight}, horizontal, vertical);
    image_ = surface_->ReadPixels();
    return outcome;
  }

  // Where the camera puts a model point (after the model rotation) in the
  // picture: normalised device coordinates (a.p / 120, b.p / 120) mapped into
  // the square viewport, whose top edge is the picture's top edge.
  static std::pair<int, int> PixelOf(const SceneState& scene, const Vector3& p) {
    const Matrix3& axes = scene.projectionAxes;
    const double h = (axes.At(0, 0) * p.x + axes.At(0, 1) * p.y + axes.At(0, 2) * p.z) / 120.0;
    const double v = (axes.At(1, 0) * p.x + axes.At(1, 1) * p.y + axes.At(1, 2) * p.z) / 120.0;
    const int size = kHeight;
    return {static_cast<int>((h + 1.0) / 2.0 * size), static_cast<int>((1.0 - v) / 2.0 * size)};
  }

  // Lines land within a pixel or two of their computed place.
  bool FoundNear(std::pair<int, int> at, const PixelTest& test, int reach = 2) const {
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        const int x = at.first + dx, y = at.second + dy;
        if (x >= 0 && y >= 0 && x < kWidth && y < kHeight && test(image_.At(x, y))) return true;
      }
    }
    return false;
  }

  int Count(const PixelTest& test) const {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += test(image_.At(x, y));
    return n;
  }

  GLContext context_;
  std::unique_ptr<HeadlessSurface> surface_;
  RgbImage image_;
};

SceneState OnlyDiagrams() {
  SceneState scene;
  scene.showSurface = false;
  scene.showGrid = false;
  scene.showHorizontalCut = false;
  scene.resolutionStep = 2;
  return scene;
}

TEST_F(PatternImage, WhiteBackgroundWithGreyAxes) {
  SceneState scene = OnlyDiagrams();
  scene.showHorizontalDiagram = false;
  scene.showVerticalDiagram = false;
  ASSERT_EQ(Draw(scene, "030EA10", "020EA05"), FrameOutcome::Complete);
  EXPECT_TRUE(IsWhite(image_.At(kWidth - 1, 0)));  // right of the viewport too
  EXPECT_TRUE(IsWhite(image_.At(kHeight - 5, 5)));
  for (const Vector3& onAxis : {Vector3(0.8f, 0, 0), Vector3(0, 0.8f, 0), Vector3(0, 0, 0.8f)}) {
    EXPECT_TRUE(FoundNear(PixelOf(scene, onAxis), IsGrey)) << onAxis.x << onAxis.y << onAxis.z;
  }
  EXPECT_EQ(Count(IsColoured), 0);
}

TEST_F(PatternImage, DiagramsWhereTheCameraPutsThem) {
  SceneState scene = OnlyDiagrams();
  scene.azimuth = 40.0f;
  // The vertical code's second beam lies at elevation -60 under V7.
  ASSERT_EQ(Draw(scene, "030EA10", "130VA20"), FrameOutcome::Complete);
  const std::unique_ptr<PatternLookup> lookup = MakeTextLookup("030EA10", "130VA20", true);
  for (int a : {-30, 30}) {  // horizontal diagram, red
    const float r = DisplayValue(lookup->At(static_cast<float>(a), 0.0f), 0.0f);
    const Vector3 p = SphericalPoint(a + scene.azimuth, 0.0f, r);
    EXPECT_TRUE(FoundNear(PixelOf(scene, p), IsRed)) << "azimuth " << a;
    EXPECT_FALSE(FoundNear(PixelOf(scene, Vector3(-p.x, p.y, -p.z)), IsRed)) << "behind " << a;
  }
  for (int e : {-60, 30}) {  // vertical diagram, green
    const float r = DisplayValue(lookup->At(0.0f, static_cast<float>(e)), 0.0f);
    const Vector3 p = SphericalPoint(scene.azimuth, static_cast<float>(e), r);
    EXPECT_TRUE(FoundNear(PixelOf(scene, p), IsGreen)) << "elevation " << e;
  }
  const Vector3 beam = SphericalPoint(scene.azimuth, -60.0f, 1.0f);
  EXPECT_FALSE(FoundNear(PixelOf(scene, Vector3(beam.x, -beam.y, beam.z)), IsGreen));
}

TEST_F(PatternImage, FalseColourOnAndOff) {
  for (bool falseColour : {true, false}) {
    SceneState scene;
    scene.showGrid = false;
    scene.showHorizontalDiagram = false;
    scene.showVerticalDiagram = false;
    scene.showHorizontalCut = false;
    scene.falseColour = falseColour;
    ASSERT_EQ(Draw(scene, "000ND00", "000ND00"), FrameOutcome::Complete);
    // The unit sphere fills the middle of the viewport. A display value of 1
    // is red on the scale; the plain surface is lavender, blue above red.
    const Pixel centre = image_.At(kHeight / 2, kHeight / 2);
    if (falseColour) {
      EXPECT_GT(centre.r, centre.b + 40) << int{centre.r} << "," << int{centre.g};
    } else {
      EXPECT_GT(centre.b, centre.r) << int{centre.r} << "," << int{centre.b};
    }
  }
}

TEST_F(PatternImage, UnreadableCodeShowsOnlyTheAxes) {
  const SceneState scene;
  ASSERT_EQ(Draw(scene, "066EA00", "020EA05"), FrameOutcome::EndedEarly);
  EXPECT_EQ(Count(IsColoured), 0);
  EXPECT_TRUE(FoundNear(PixelOf(scene, Vector3(0, 0.8f, 0)), IsGrey));
  // Panels hold no code before their first composition: the same frame.
  ASSERT_EQ(Draw(scene, "", ""), FrameOutcome::EndedEarly);
  EXPECT_EQ(Count(IsColoured), 0);
}

}  // namespace
}  // namespace veltrisko
