// SPDX-License-Identifier: MIT
#include "app/logic/scene_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/logic/main_menu.h"

namespace veltrisko {
namespace {

constexpr float kStepDegrees = 0.02f * 57.29577951308232;

TEST(ApplySceneCommand, EachCommandChangesItsPartOfTheScene) {
  struct Case {
    int command;
    std::function<bool(const SceneState&)> changed;
  };
  const Case cases[] = {
      {kCmdTiltUp, [](const SceneState& s) { return s.tilt == -kStepDegrees; }},
      {kCmdTiltDown, [](const SceneState& s) { return s.tilt == kStepDegrees; }},
      {kCmdAzimuthLeft, [](const SceneState& s) { return s.azimuth == -kStepDegrees; }},
      {kCmdAzimuthRight, [](const SceneState& s) { return s.azimuth == kStepDegrees; }},
      {kCmdElevationUp, [](const SceneState& s) { return s.elevation == -kStepDegrees; }},
      {kCmdElevationDown, [](const SceneState& s) { return s.elevation == kStepDegrees; }},
      {kCmdVerticalDiagram, [](const SceneState& s) { return !s.showVerticalDiagram; }},
      {kCmdHorizontalDiagram, [](const SceneState& s) { return !s.showHorizontalDiagram; }},
      {kCmdSurface, [](const SceneState& s) { return !s.showSurface; }},
      {kCmdGrid, [](const SceneState& s) { return !s.showGrid; }},
      {kCmdHorizontalCut, [](const SceneState& s) { return !s.showHorizontalCut; }},
      {kCmdFalseColour, [](const SceneState& s) { return !s.falseColour; }},
      {kCmdResolutionVeryCoarse, [](const SceneState& s) { return s.resolutionStep == 15; }},
      {kCmdResolutionCoarse, [](const SceneState& s) { return s.resolutionStep == 10; }},
      {kCmdResolutionFine, [](const SceneState& s) { return s.resolutionStep == 3; }},
      {kCmdResolutionVeryFine, [](const SceneState& s) { return s.resolutionStep == 2; }},
  };
  for (const Case& c : cases) {
    SceneState scene;
    EXPECT_TRUE(ApplySceneCommand(scene, c.command)) << c.command;
    EXPECT_TRUE(c.changed(scene)) << c.command;
  }
}

TEST(ApplySceneCommand, TogglesFlipBackAndHomeResetsTheView) {
  SceneState scene;
  for (int command : {kCmdGrid, kCmdSurface, kCmdFalseColour, kCmdHorizontalCut}) {
    ApplySceneCommand(scene, command);
    ApplySceneCommand(scene, command);
  }
  EXPECT_TRUE(scene.showGrid && scene.showSurface && scene.falseColour && scene.showHorizontalCut);

  for (int command : {kCmdTiltDown, kCmdAzimuthLeft, kCmdElevationDown, kCmdElevationDown})
    ApplySceneCommand(scene, command);
  ASSERT_NE(scene.modelRotation.At(1, 1), 1.0f);
  EXPECT_TRUE(ApplySceneCommand(scene, kCmdResetView));
  EXPECT_EQ(scene.tilt, 0.0f);
  EXPECT_EQ(scene.azimuth, 0.0f);
  EXPECT_EQ(scene.elevation, 0.0f);
  EXPECT_EQ(scene.modelRotation.At(1, 1), 1.0f);
  EXPECT_EQ(scene.modelRotation.At(1, 2), 0.0f);
}

TEST(ApplySceneCommand, WindowCommandsAndUnknownNumbersLeaveTheSceneAlone) {
  const int notSceneCommands[] = {
      kCmdQuit, kCmdAntennaType, kCmdDocumentation, kCmdLegend, 40011, 40024, 0};
  for (int command : notSceneCommands) {
    SceneState scene;
    EXPECT_FALSE(ApplySceneCommand(scene, command)) << command;
    EXPECT_EQ(scene.resolutionStep, 6);
    EXPECT_TRUE(scene.showGrid);
  }
}

TEST(CheckMarkOf, ResolutionItemsActAsOneGroup) {
  for (const ResolutionChoice& chosen : kResolutionChoices) {
    SceneState scene;
    ApplySceneCommand(scene, chosen.command);
    int checked = 0;
    for (const ResolutionChoice& item : kResolutionChoices) {
      const bool mark = CheckMarkOf(scene, true, item.command).value();
      checked += mark ? 1 : 0;
      EXPECT_EQ(mark, item.command == chosen.command);
    }
    EXPECT_EQ(checked, 1);
  }
}

}  // namespace
}  // namespace veltrisko
