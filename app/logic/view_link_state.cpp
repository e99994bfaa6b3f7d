// SPDX-License-Identifier: MIT
// The link and the viewer's state: the link to the view shown, a link put
// into the scene, and the notices' texts.
#include <algorithm>
#include <cmath>

#include "app/logic/command_line.h"
#include "app/logic/main_menu.h"
#include "app/logic/view_link.h"
#include "dialog/config_dialog.h"
#include "scene/view_angles.h"
#include "text/view_link_texts.h"

namespace veltrisko {
namespace {

// A code as the link carries it: trimmed, or nothing where ParseViewLink
// would not read it back.
std::optional<std::string> CarriedCode(const std::string& code) {
  ViewLink probe;
  probe.horizontalCode = code;
  const ParsedViewLink read = ParseViewLink(ViewLinkOf(probe));
  return read.link.horizontalCode;
}

// An angle as the link carries it; nothing for one no view has.
std::optional<float> CarriedAngle(float degrees) {
  if (!std::isfinite(degrees)) return std::nullopt;
  return IntoViewerRange(degrees);
}

void Replace(std::string& text, std::string_view placeholder, std::string_view by) {
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), by);
}

}  // namespace

ViewLink ViewLinkOfState(const SceneState& scene, const ViewerExtras& extras) {
  ViewLink link;
  link.horizontalCode = CarriedCode(extras.horizontalCode);
  link.verticalCode = CarriedCode(extras.verticalCode);
  link.useHcmV7 = scene.useHcmV7;
  // The dialog's slider holds the range as a whole number of dB.
  link.display = scene.logScale ? LinkDisplay{true, std::clamp(TruncateToInt(scene.dbRange),
                                                               kLowestDbRange, kHighestDbRange)}
                                : LinkDisplay{};
  link.azimuth = CarriedAngle(scene.azimuth);
  link.elevation = CarriedAngle(scene.elevation);
  link.tilt = CarriedAngle(scene.tilt);
  for (const ResolutionChoice& choice : kResolutionChoices) {
    if (choice.step == scene.resolutionStep) link.resolutionStep = choice.step;
  }
  link.showGrid = scene.showGrid;
  link.showSurface = scene.showSurface;
  link.falseColour = scene.falseColour;
  link.showHorizontalDiagram = scene.showHorizontalDiagram;
  link.showVerticalDiagram = scene.showVerticalDiagram;
  link.showHorizontalCut = scene.showHorizontalCut;
  link.showLegend = extras.showLegend;
  link.showDifference = extras.showDifference;
  return link;
}

ViewLinkForFrontEnd ApplyViewLink(const ViewLink& link, SceneState& scene) {
  StartOptions start;
  start.useHcmV7 = link.useHcmV7;
  if (link.display && link.display->logarithmic) start.dbRange = link.display->dbRange;
  ApplyStartOptions(scene, start);
  if (link.display && !link.display->logarithmic) scene.logScale = false;
  if (link.azimuth) scene.azimuth = IntoViewerRange(*link.azimuth);
  if (link.elevation) scene.elevation = IntoViewerRange(*link.elevation);
  if (link.tilt) {
    Matrix3 identity;
    scene.modelRotation.CopyFrom(identity.SetIdentity());
    scene.tilt = 0.0f;
    ApplyTilt(scene, *link.tilt);
  }
  if (link.resolutionStep) scene.resolutionStep = *link.resolutionStep;
  const std::pair<std::optional<bool> ViewLink::*, bool SceneState::*> flags[] = {
      {&ViewLink::showGrid, &SceneState::showGrid},
      {&ViewLink::showSurface, &SceneState::showSurface},
      {&ViewLink::falseColour, &SceneState::falseColour},
      {&ViewLink::showHorizontalDiagram, &SceneState::showHorizontalDiagram},
      {&ViewLink::showVerticalDiagram, &SceneState::showVerticalDiagram},
      {&ViewLink::showHorizontalCut, &SceneState::showHorizontalCut},
  };
  for (const auto& [asked, shown] : flags) {
    if (const std::optional<bool>& value = link.*asked) scene.*shown = *value;
  }
  return {link.horizontalCode, link.verticalCode, link.showLegend, link.showDifference};
}

std::string NoticeText(const ViewLinkNotice& notice, Language language) {
  const Text* text = &texts::kLinkMoreIgnored;
  switch (notice.kind) {
    case ViewLinkNoticeKind::kBadValue:
      text = &texts::kLinkBadValue;
      break;
    case ViewLinkNoticeKind::kCodeTooLong:
      text = &texts::kLinkCodeTooLong;
      break;
    case ViewLinkNoticeKind::kRepeatedKey:
      text = &texts::kLinkRepeatedKey;
      break;
    case ViewLinkNoticeKind::kMoreIgnored:
      break;
  }
  std::string composed = InString(language, *text);
  // ParseViewLink made both safe (QuoteForNotice); the text adds no markup.
  Replace(composed, "{key}", notice.key);
  Replace(composed, "{value}", notice.quote);
  return composed;
}

}  // namespace veltrisko
