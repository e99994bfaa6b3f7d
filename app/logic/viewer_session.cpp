// SPDX-License-Identifier: MIT
#include "app/logic/viewer_session.h"

#include <cmath>

#include "analysis/surface_pick.h"
#include "app/logic/code_feedback.h"
#include "app/logic/difference_legend.h"
#include "app/logic/legend_scale.h"
#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_legend.h"
#include "app/logic/scene_commands.h"
#include "text/fit_texts.h"

namespace veltrisko {

SessionUpdate& SessionUpdate::operator|=(const SessionUpdate& other) {
  frame = frame || other.frame;
  readout = readout || other.readout;
  texts = texts || other.texts;
  legends = legends || other.legends;
  if (other.request != FrontEndRequest::kNone) request = other.request;
  return *this;
}

namespace {

SessionUpdate Request(FrontEndRequest request) {
  SessionUpdate update;
  update.request = request;
  return update;
}

// The commands that only a front end can carry out.
std::optional<FrontEndRequest> RequestOf(int command) {
  switch (command) {
    case kCmdQuit:
      return FrontEndRequest::kQuit;
    case kCmdAntennaType:
      return FrontEndRequest::kOpenDialog;
    case kCmdDocumentation:
      return FrontEndRequest::kOpenDocumentation;
    case kCmdAbout:
      return FrontEndRequest::kShowAbout;
    case kCmdDiagrams:
      return FrontEndRequest::kOpenDiagrams;
    case kCmdImportPattern:
      return FrontEndRequest::kImportPattern;
    case kCmdExportPattern:
      return FrontEndRequest::kExportPattern;
    case kCmdFitCode:
      return FrontEndRequest::kOpenFit;
    default:
      return std::nullopt;
  }
}

}  // namespace

ViewerSession::ViewerSession(SceneState& scene, AntennaPanel& horizontal, AntennaPanel& vertical,
                             ConfigDialog* const& openDialog)
    : scene_(scene), horizontal_(horizontal), vertical_(vertical), openDialog_(openDialog) {}

KeptSettings ViewerSession::Start(const StartOptions& options, const KeptSettings& kept) {
  ApplyStartOptions(scene_, options);
  SetLanguage(options.language.value_or(KeptLanguage(kept).value_or(kDefaultLanguage)));
  diagrams_.SetStyle(KeptDiagramStyle(kept));
  return options.language ? Settings() : KeptSettings{};
}

std::optional<Language> KeptLanguage(const KeptSettings& kept) {
  const auto found = kept.find(kLanguageSetting);
  return found == kept.end() ? std::nullopt : LanguageOfCode(found->second);
}

DiagramStyle KeptDiagramStyle(const KeptSettings& kept) {
  const auto found = kept.find(kDiagramStyleSetting);
  return DiagramStyleOfSetting(found == kept.end() ? "" : found->second);
}

KeptSettings DiagramStyleToKeep(DiagramStyle style) {
  return {{kDiagramStyleSetting, std::string(DiagramStyleSetting(style))}};
}

std::optional<WindowPlace> KeptWindowPlace(const KeptSettings& kept) {
  const auto found = kept.find(kWindowPlaceSetting);
  return found == kept.end() ? std::nullopt : WindowPlaceOfText(found->second);
}

KeptSettings WindowPlaceToKeep(const WindowPlace& place) {
  return {{kWindowPlaceSetting, WindowPlaceText(place)}};
}

std::string ViewerSession::FitNeedsFileQuestion() const {
  return InString(language_, texts::kFitNeedsPattern);
}

SessionUpdate ViewerSession::FitAfterImport() const {
  return Request(files_.Loaded() ? FrontEndRequest::kOpenFit : FrontEndRequest::kNone);
}

KeptSettings ViewerSession::Settings() const {
  return {{kLanguageSetting, std::string(CodeOf(language_))}};
}

void ViewerSession::SetLanguage(Language language) {
  language_ = language;
  horizontal_.SetLanguage(language);
  vertical_.SetLanguage(language);
}

SessionUpdate ViewerSession::RunCommand(int command) {
  if (ApplySceneCommand(scene_, command)) {
    SessionUpdate update = Refresh();
    update.frame = true;
    return update;
  }
  if (command == kCmdFitCode && !files_.Loaded()) return Request(FrontEndRequest::kAskImportForFit);
  if (const std::optional<FrontEndRequest> request = RequestOf(command)) {
    SessionUpdate update = Request(*request);
    // A new dialog composes its codes anew: the picture follows them.
    update.frame = *request == FrontEndRequest::kOpenDialog;
    return update;
  }
  for (const LanguageChoice& choice : kLanguageChoices) {
    if (choice.command != command) continue;
    SessionUpdate update;
    if (choice.language != language_) {
      SetLanguage(choice.language);
      update.texts = update.frame = update.readout = true;
    }
    return update;
  }
  SessionUpdate update;
  switch (command) {
    case kCmdLegend:
      legendsVisible_ = !legendsVisible_;
      update.legends = update.frame = true;
      break;
    case kCmdDifference:
      analysis_.differenceView = !analysis_.differenceView;
      update.frame = true;
      break;
    case kCmdUnpinReadout:
      update = Unpin();
      break;
    case kCmdCopyReadout:
      if (shown_) update.request = FrontEndRequest::kCopyReadout;
      break;
    default:
      break;
  }
  return update;
}

std::optional<bool> ViewerSession::CheckMark(int command) const {
  if (command == kCmdDifference) return analysis_.differenceView;
  for (const LanguageChoice& choice : kLanguageChoices) {
    if (choice.command == command) return choice.language == language_;
  }
  return CheckMarkOf(scene_, legendsVisible_, command);
}

void ViewerSession::SetPicture(int width, int height, double pixelRatio) {
  pictureWidth_ = width;
  pictureHeight_ = height;
  pixelRatio_ = pixelRatio;
}

std::optional<DirectionReadout> ViewerSession::ReadoutAt(PointerPosition at) const {
  // The pick works in device pixels, where the frame was drawn.
  const ClientRect device{0, 0, static_cast<int>(std::lround(pictureWidth_ * pixelRatio_)),
                          static_cast<int>(std::lround(pictureHeight_ * pixelRatio_))};
  const std::optional<WorldDirection> direction =
      DirectionUnderCursor(scene_, device, horizontal_.Code(), vertical_.Code(),
                           {at.x * pixelRatio_, at.y * pixelRatio_});
  if (!direction) return std::nullopt;
  return ReadDirection(scene_, horizontal_.Code(), vertical_.Code(), *direction);
}

SessionUpdate ViewerSession::PointerPress(PointerButton button, PointerPosition at, bool shift) {
  // A second button does not change the drag; other buttons do nothing.
  if (drag_ || button == PointerButton::kOther) return {};
  const DragMode mode =
      button == PointerButton::kRight || shift ? DragMode::kTilt : DragMode::kTurn;
  drag_ = Drag{mode, button, at, at};
  return {};
}

SessionUpdate ViewerSession::PointerMove(PointerPosition at) {
  if (!drag_) return Hover(at);
  const int dx = at.x - drag_->last.x, dy = at.y - drag_->last.y;
  drag_->last = at;
  if (!ApplyDrag(scene_, drag_->mode, dx, dy)) return {};
  SessionUpdate update = Refresh();
  update.frame = true;
  return update;
}

SessionUpdate ViewerSession::PointerRelease(PointerButton button, PointerPosition at) {
  if (!drag_ || drag_->button != button) return {};
  const PointerPosition pressedAt = drag_->pressedAt;
  drag_.reset();
  // Only a click without movement pins or opens the menu: a drag turns.
  if (!IsClick(at.x - pressedAt.x, at.y - pressedAt.y)) return {};
  if (button == PointerButton::kRight) return Request(FrontEndRequest::kReadoutMenu);
  return Click(at);
}

SessionUpdate ViewerSession::PointerLeave() {
  SessionUpdate update;
  if (!analysis_.pinned && shown_) {
    shown_.reset();
    update.readout = true;
  }
  return update;
}

SessionUpdate ViewerSession::Hover(PointerPosition at) {
  lastHover_ = at;
  SessionUpdate update;
  update.readout = true;
  if (analysis_.pinned) return update;
  anchor_ = at;
  shown_ = ReadoutAt(at);
  return update;
}

SessionUpdate ViewerSession::Click(PointerPosition at) {
  if (analysis_.pinned) {
    SessionUpdate update = Unpin();
    update |= Hover(at);
    return update;
  }
  const std::optional<DirectionReadout> readout = ReadoutAt(at);
  if (!readout) return {};
  analysis_.pinned = readout->world;
  anchor_ = at;
  shown_ = readout;
  SessionUpdate update;
  update.frame = update.readout = true;
  return update;
}

SessionUpdate ViewerSession::Unpin() {
  if (!analysis_.pinned) return {};
  analysis_.pinned.reset();
  shown_.reset();
  SessionUpdate update;
  update.frame = update.readout = true;
  return update;
}

SessionUpdate ViewerSession::Refresh() {
  if (analysis_.pinned) {
    shown_ = ReadDirection(scene_, horizontal_.Code(), vertical_.Code(), *analysis_.pinned);
  } else if (shown_) {
    shown_ = ReadoutAt(lastHover_);
  }
  SessionUpdate update;
  update.readout = true;
  return update;
}

std::string ViewerSession::ReadoutText() const {
  return shown_ ? veltrisko::ReadoutText(*shown_, language_) : std::string();
}

std::string ViewerSession::StatusLine() const {
  return shown_ ? ReadoutStatusLine(*shown_, language_) : std::string();
}

std::string ViewerSession::CopiedReadout() const {
  if (!shown_) return {};
  return CopiedReadoutText(ReadoutText(), horizontal_.Code(), vertical_.Code(), scene_.useHcmV7);
}

std::string ViewerSession::ReadoutMenuText() const {
  return std::string(In(language_, kCopyReadoutText));
}

InfoLegendContent ViewerSession::InfoLegend(
    const std::optional<DifferenceFindings>& findings) const {
  InfoLegendContent content = InfoLegendOf(scene_, horizontal_.Code(), vertical_.Code(), language_);
  MarkRejectedCodes(content, horizontal_.Code(), vertical_.Code());
  if (findings) ShowDifferenceInInfoLegend(content, findings->largestDb, language_);
  ShowPatternFileInInfoLegend(content, files_.LoadedName(), language_);
  return content;
}

ColourLegendContent ViewerSession::ColourLegend(
    const std::optional<DifferenceFindings>& findings) const {
  if (findings) return DifferenceColourLegendOf(findings->scaleEndDb, language_);
  return ColourLegendOf(scene_);
}

LegendPlacement ViewerSession::Legends(int width, int height, double scale) const {
  LegendPlacement place = PlaceScaledLegends(width, height, scale);
  place.info.height = static_cast<int>(std::lround(InfoLegend(std::nullopt).height * scale));
  return place;
}

std::string ViewerSession::CodeMessage() const {
  return RejectedCodeMessage(horizontal_.Code(), vertical_.Code(), language_);
}

std::string ViewerSession::ExportPattern(const std::string& path) const {
  return PatternFileSession::ExportTo(path, horizontal_.Code(), vertical_.Code(), scene_.useHcmV7,
                                      language_);
}

namespace {

ViewerSession::PatternImport ImportOutcome(std::string problem) {
  SessionUpdate update;
  if (problem.empty()) {
    update.frame = update.legends = true;
    update.request = FrontEndRequest::kOpenDiagrams;
  }
  return {std::move(problem), update};
}

}  // namespace

ViewerSession::PatternImport ViewerSession::ImportPattern(const std::string& path) {
  return ImportOutcome(files_.ImportFrom(path, language_));
}

ViewerSession::PatternImport ViewerSession::ImportPatternBytes(const std::string& name,
                                                               std::string_view bytes) {
  return ImportOutcome(files_.ImportBytes(name, bytes, language_));
}

SideWindowChange ViewerSession::FollowDiagrams() {
  bool all = diagrams_.SetLanguage(language_);
  if (files_.Loads() != diagramLoads_) {
    diagramLoads_ = files_.Loads();
    const AlignedCuts cuts = files_.LoadedCuts();
    diagrams_.SetImportedCuts(files_.LoadedName(), cuts.horizontal, cuts.vertical);
    all = true;
  }
  const bool plots = diagrams_.Follow(horizontal_.Code(), vertical_.Code(), scene_.useHcmV7);
  return all ? SideWindowChange::kAll : plots ? SideWindowChange::kPlots : SideWindowChange::kNone;
}

ViewerSession::DiagramStyleChoice ViewerSession::ChooseDiagramStyle(DiagramStyle style) {
  return {diagrams_.SetStyle(style), DiagramStyleToKeep(style)};
}

SideWindowChange ViewerSession::FollowFit() {
  bool all = fit_.SetLanguage(language_);
  if (files_.Loads() != fitLoads_ && files_.Loaded()) {
    fitLoads_ = files_.Loads();
    fit_.SetMeasurement(files_.LoadedName(), *files_.Loaded());
    all = true;
  }
  return all ? SideWindowChange::kAll : SideWindowChange::kNone;
}

bool ViewerSession::PressFitStart(const FitFields& settings, std::function<void()> done) {
  return fit_.PressStart(settings, horizontal_.Code(), vertical_.Code(), std::move(done));
}

std::optional<PatternFitRequest> ViewerSession::PressFitStartElsewhere(const FitFields& settings) {
  return fit_.PressStartElsewhere(settings, horizontal_.Code(), vertical_.Code());
}

SessionUpdate ViewerSession::TakeFitAlignment() {
  const std::optional<FitOrientation> direction = fit_.Alignment();
  if (!direction) return {};
  scene_.azimuth = static_cast<float>(direction->azimuth);
  scene_.elevation = static_cast<float>(direction->elevation);
  SessionUpdate update = Refresh();
  update.frame = true;
  return update;
}

ViewerSession::FitRowChoice ViewerSession::ChooseFitRow(int list, int row) {
  FitRowChoice choice{
      fit_.ChooseRow(list, row), list == 0 ? kHorizontalEditId : kVerticalEditId, {}, {}};
  if (!choice.code) return choice;
  choice.warnings = fit_.WarningsText();
  if (openDialog_ == nullptr) choice.update.request = FrontEndRequest::kOpenDialog;
  return choice;
}

}  // namespace veltrisko
