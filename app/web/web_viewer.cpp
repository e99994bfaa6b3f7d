// SPDX-License-Identifier: MIT
#include "app/web/web_viewer.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "app/logic/main_menu.h"
#include "app/logic/view_link.h"
#include "diagram/diagram_files.h"

namespace veltrisko {
namespace {

std::optional<AcceleratorKey> KeyOfName(const std::string& name) {
  static const std::pair<const char*, AcceleratorKey> kNames[] = {
      {"ArrowUp", AcceleratorKey::kUp},
      {"ArrowDown", AcceleratorKey::kDown},
      {"ArrowLeft", AcceleratorKey::kLeft},
      {"ArrowRight", AcceleratorKey::kRight},
      {"PageUp", AcceleratorKey::kPageUp},
      {"PageDown", AcceleratorKey::kPageDown},
      {"Home", AcceleratorKey::kHome},
      {"Escape", AcceleratorKey::kEscape},
      {"c", AcceleratorKey::kC},
      {"C", AcceleratorKey::kC},
  };
  for (const auto& [text, key] : kNames)
    if (name == text) return key;
  return std::nullopt;
}

PointerButton ButtonOf(int button) {
  // The DOM's MouseEvent.button: 0 the main button, 2 the secondary one.
  return button == 0   ? PointerButton::kLeft
         : button == 2 ? PointerButton::kRight
                       : PointerButton::kOther;
}

}  // namespace

PanelControls WebPanelControls::Controls() {
  return {&edit,      &sliders[0], &sliders[1], &sliders[2], &sliders[3], &sliders[4],
          &labels[0], &labels[1],  &labels[2],  &labels[3],  &labels[4]};
}

WebViewer::WebViewer(const std::string& language, const std::string& display,
                     const std::string& diagramStyle) {
  KeptSettings kept;
  if (!language.empty()) kept[kLanguageSetting] = language;
  if (!diagramStyle.empty()) kept[kDiagramStyleSetting] = diagramStyle;
  session_.Start(StartOptions{}, kept);
  // The display mode kept is a link's "log" part; a bad one is passed over.
  if (!display.empty()) ApplyViewLink(ParseViewLink(display).link, scene_);
  dialog_ = std::make_unique<ConfigDialog>(
      static_cast<DialogWindow&>(*this),
      DialogTargets{scene_, horizontal_, vertical_, updatingEditText_, openDialog_});
  dialog_->OnInit(horizontalControls_.Controls(), verticalControls_.Controls());
  session_.Refresh();
}

WebViewer::~WebViewer() = default;

int WebViewer::Carry(const SessionUpdate& update) {
  int bits = (update.frame ? kRedrawFrame : 0) | (update.readout ? kRedrawReadout : 0) |
             (update.texts ? kRedrawTexts : 0) | (update.legends ? kRedrawLegends : 0);
  return bits | static_cast<int>(update.request) * kRequestUnit;
}

int WebViewer::RunCommand(int command) { return Carry(session_.RunCommand(command)); }

int WebViewer::Key(const std::string& key, bool control) {
  const std::optional<AcceleratorKey> found = KeyOfName(key);
  if (!found) return 0;
  for (const Accelerator& accelerator : kAccelerators)
    if (accelerator.key == *found && accelerator.control == control)
      return RunCommand(accelerator.command);
  return 0;
}

void WebViewer::SetPicture(int width, int height, double pixelRatio) {
  width_ = width;
  height_ = height;
  pixelRatio_ = pixelRatio;
  session_.SetPicture(width, height, pixelRatio);
}

int WebViewer::Press(int button, int x, int y, bool shift) {
  return Carry(session_.PointerPress(ButtonOf(button), {x, y}, shift));
}

int WebViewer::Move(int x, int y) { return Carry(session_.PointerMove({x, y})); }

int WebViewer::Release(int button, int x, int y) {
  return Carry(session_.PointerRelease(ButtonOf(button), {x, y}));
}

int WebViewer::Leave() { return Carry(session_.PointerLeave()); }

int WebViewer::AfterForm() {
  if (!std::exchange(repaint_, false)) return 0;
  return Carry(session_.Refresh()) | kRedrawFrame | kRedrawReadout;
}

int WebViewer::FormSlider(int panel, int index, int position) {
  if (panel == 2) {
    dbRange_.SetPosition(position);
  } else if ((panel == 0 || panel == 1) && index >= 0 && index < 5) {
    (panel == 0 ? horizontalControls_ : verticalControls_).sliders[index].SetPosition(position);
  } else {
    return 0;
  }
  dialog_->OnScroll();
  return AfterForm();
}

void WebViewer::TypeCode(int panel, const std::string& code) {
  (panel == 0 ? horizontalControls_ : verticalControls_).edit.SetText(code);
  dialog_->OnCommand(panel == 0 ? kHorizontalEditId : kVerticalEditId,
                     DialogNotification::kEditChange);
}

int WebViewer::FormText(int panel, const std::string& text) {
  if (panel != 0 && panel != 1) return 0;
  TypeCode(panel, text);
  return AfterForm();
}

int WebViewer::FormButton(int id) {
  dialog_->OnCommand(id, DialogNotification::kClicked);
  return AfterForm();
}

std::string WebViewer::OpenLink(const std::string& fragment) {
  const ParsedViewLink parsed = ParseViewLink(fragment);
  const ViewLinkForFrontEnd rest = ApplyViewLink(parsed.link, scene_);
  // The form shows the rule and the display mode from the scene; its dB
  // slider follows the link's range.
  dbRange_.SetPosition(TruncateToInt(scene_.dbRange));
  dbRange_.SetVisible(scene_.logScale);
  if (rest.horizontalCode) TypeCode(0, *rest.horizontalCode);
  if (rest.verticalCode) TypeCode(1, *rest.verticalCode);
  if (rest.showLegend && *rest.showLegend != session_.LegendsVisible())
    session_.RunCommand(kCmdLegend);
  if (rest.showDifference && *rest.showDifference != session_.CheckMark(kCmdDifference))
    session_.RunCommand(kCmdDifference);
  repaint_ = false;
  session_.Refresh();
  std::string notices;
  for (const ViewLinkNotice& notice : parsed.notices)
    notices += NoticeText(notice, session_.TextLanguage()) + "\n";
  return notices;
}

std::string WebViewer::LinkOfView() const {
  ViewerExtras extras{horizontal_.Code(), vertical_.Code(), session_.LegendsVisible(),
                      session_.CheckMark(kCmdDifference).value_or(false)};
  return ViewLinkOf(ViewLinkOfState(scene_, extras));
}

std::string WebViewer::KeptLanguage() const { return session_.Settings().at(kLanguageSetting); }

std::string WebViewer::KeptDisplay() const {
  ViewLink link;
  link.display = LinkDisplay{scene_.logScale, scene_.logScale ? TruncateToInt(scene_.dbRange) : 0};
  return ViewLinkOf(link);
}

const WebGlFrame& WebViewer::Frame() {
  const ClientRect client{0, 0, static_cast<int>(width_ * pixelRatio_ + 0.5),
                          static_cast<int>(height_ * pixelRatio_ + 0.5)};
  WebGlFrameBuilder builder(FrameSetupFor(client, scene_), frame_);
  RecordPatternFrame(scene_, horizontal_.Code(), vertical_.Code(), builder, session_.Frame(),
                     &findings_);
  return frame_;
}

PatternFileSession::Exported WebViewer::Export(const std::string& name) const {
  return PatternFileSession::ExportText(name, horizontal_.Code(), vertical_.Code(), scene_.useHcmV7,
                                        session_.TextLanguage());
}

std::string WebViewer::ExportName(const std::string& extension) const {
  std::string name;
  for (const char* code : {horizontal_.Code(), vertical_.Code()}) {
    if (!name.empty()) name += '_';
    for (const char* c = code; *c != '\0'; ++c) {
      const bool plain = (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') ||
                         (*c >= '0' && *c <= '9') || *c == '.' || *c == '-';
      name += plain ? *c : '-';
    }
  }
  return name + "." + extension;
}

DiagramWindowModel& WebViewer::Diagrams() {
  session_.FollowDiagrams();
  return session_.Diagrams();
}

std::string WebViewer::ChooseDiagramStyle(int index) {
  return session_.ChooseDiagramStyle(DiagramWindowModel::StyleAt(index)).keep[kDiagramStyleSetting];
}

std::string WebViewer::DiagramPageSvg() {
  DiagramWindowModel& diagrams = Diagrams();
  return DrawingSvg(diagrams.Page(EstimatedTextWidth), diagrams.PageTitle());
}

WebViewer::Download WebViewer::DiagramDownload(DiagramExport what) {
  DiagramWindowModel& diagrams = Diagrams();
  // Written as the desktop writes it, into the page's memory file system.
  const std::string path = "/" + diagrams.ExportDialog(what).suggestedName;
  Download download{diagrams.ExportDialog(what).suggestedName, {}, diagrams.Export(what, path)};
  if (download.message.empty()) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    download.text = text.str();
  }
  std::remove(path.c_str());
  return download;
}

WebViewer::Imported WebViewer::Import(const std::string& name, const std::string& bytes) {
  const ViewerSession::PatternImport imported = session_.ImportPatternBytes(name, bytes);
  return {imported.problem, Carry(imported.update)};
}

FitDialogModel& WebViewer::Fit() {
  session_.FollowFit();
  return session_.Fit();
}

std::optional<PatternFitRequest> WebViewer::FitStart(const FitFields& fields) {
  session_.FollowFit();  // a file just imported is the one to fit
  return session_.PressFitStartElsewhere(fields);
}

}  // namespace veltrisko
