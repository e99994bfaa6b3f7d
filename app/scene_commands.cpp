#include "app/scene_commands.h"

#include "resources/main_menu.h"

namespace veltrisko {

bool ApplySceneCommand(SceneState& scene, int command) {
  constexpr AxisAngles kNoAxisTurn{0.0f, 0.0f};
  switch (command) {
    case kCmdTiltUp:
      scene.TiltModel(kNoAxisTurn, -kViewStepRadians);
      return true;
    case kCmdTiltDown:
      scene.TiltModel(kNoAxisTurn, kViewStepRadians);
      return true;
    case kCmdAzimuthLeft:
      scene.ChangeAzimuth(-kViewStepRadians);
      return true;
    case kCmdAzimuthRight:
      scene.ChangeAzimuth(kViewStepRadians);
      return true;
    case kCmdElevationUp:
      scene.ChangeElevation(-kViewStepRadians);
      return true;
    case kCmdElevationDown:
      scene.ChangeElevation(kViewStepRadians);
      return true;
    case kCmdResetView:
      scene.ResetView();
      return true;
    case kCmdVerticalDiagram:
      scene.showVerticalDiagram = !scene.showVerticalDiagram;
      return true;
    case kCmdHorizontalDiagram:
      scene.showHorizontalDiagram = !scene.showHorizontalDiagram;
      return true;
    case kCmdSurface:
      scene.showSurface = !scene.showSurface;
      return true;
    case kCmdGrid:
      scene.showGrid = !scene.showGrid;
      return true;
    case kCmdHorizontalCut:
      scene.showHorizontalCut = !scene.showHorizontalCut;
      return true;
    case kCmdFalseColour:
      scene.falseColour = !scene.falseColour;
      return true;
    default:
      break;
  }
  for (const ResolutionChoice& choice : kResolutionChoices) {
    if (choice.command == command) {
      scene.resolutionStep = choice.step;
      return true;
    }
  }
  return false;
}

std::optional<bool> CheckMarkOf(const SceneState& scene, bool legendsVisible, int command) {
  switch (command) {
    case kCmdSurface:
      return scene.showSurface;
    case kCmdFalseColour:
      return scene.falseColour;
    case kCmdGrid:
      return scene.showGrid;
    case kCmdHorizontalDiagram:
      return scene.showHorizontalDiagram;
    case kCmdVerticalDiagram:
      return scene.showVerticalDiagram;
    case kCmdHorizontalCut:
      return scene.showHorizontalCut;
    case kCmdLegend:
      return legendsVisible;
    default:
      break;
  }
  for (const ResolutionChoice& choice : kResolutionChoices) {
    if (choice.command == command) return scene.resolutionStep == choice.step;
  }
  return std::nullopt;
}

}  // namespace veltrisko
