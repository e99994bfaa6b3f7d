// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/logic/viewer_session.h"
#include "app/web/memory_controls.h"
#include "dialog/config_dialog.h"
#include "render/webgl_batches.h"

namespace veltrisko {

// The form's controls of one panel.
struct WebPanelControls {
  MemoryText edit;
  std::array<MemorySlider, 5> sliders;  // type, P1..P4
  std::array<MemoryText, 5> labels;
  PanelControls Controls();
};

// The page's one viewer: a session over its own scene and panels, with the
// configuration form always open beside the picture. The page forwards its
// events here and shows what it returns; event calls return what to redraw
// as bits: kRedrawFrame, kRedrawReadout, kRedrawTexts, kRedrawLegends, and
// the front end's request (FrontEndRequest) times kRequestUnit.
class WebViewer final : private DialogWindow {
 public:
  static constexpr int kRedrawFrame = 1, kRedrawReadout = 2, kRedrawTexts = 4, kRedrawLegends = 8;
  static constexpr int kRequestUnit = 256;

  // `language`, `display` and `diagramStyle` as kept before ("" if none).
  WebViewer(const std::string& language, const std::string& display,
            const std::string& diagramStyle);
  ~WebViewer() override;
  WebViewer(const WebViewer&) = delete;
  WebViewer& operator=(const WebViewer&) = delete;

  int RunCommand(int command);
  // A key by its DOM name ("ArrowUp", "Home", "c", ...); 0 if it is none of the table's.
  int Key(const std::string& key, bool control);
  void SetPicture(int width, int height, double pixelRatio);
  int Press(int button, int x, int y, bool shift);
  int Move(int x, int y);
  int Release(int button, int x, int y);
  int Leave();

  // The form: a slider moved (panel 0 horizontal, 1 vertical, 2 the dB
  // range), a code typed, a radio button (DialogControlId) clicked.
  int FormSlider(int panel, int index, int position);
  int FormText(int panel, const std::string& text);
  int FormButton(int id);

  // Reads a fragment; returns the notices, one a line.
  std::string OpenLink(const std::string& fragment);
  std::string LinkOfView() const;
  // What to keep in the browser: the language code and the display mode as
  // a link's "log" part.
  std::string KeptLanguage() const;
  std::string KeptDisplay() const;

  // Computes the frame for the picture's size and keeps it until the next.
  const WebGlFrame& Frame();

  // The pattern file of the codes in force as `name` asks; a message if none.
  PatternFileSession::Exported Export(const std::string& name) const;
  // A file's bytes: its message ("" once loaded) and what to redraw.
  struct Imported {
    std::string message;
    int redraw = 0;
  };
  Imported Import(const std::string& name, const std::string& bytes);

  // A download's name for the codes in force, e.g. "030EA10_020EA05.msi".
  std::string ExportName(const std::string& extension) const;
  std::string ReadoutMenuText() const { return session_.ReadoutMenuText(); }
  int PictureWidth() const { return width_; }
  int PictureHeight() const { return height_; }

  // The 2-D window, following the codes, the rule, the language and the
  // loaded file; its page as SVG, and its exports as a download's name and
  // text or the message why there is none.
  DiagramWindowModel& Diagrams();
  // The display mode chosen by its place in the list: what to keep.
  std::string ChooseDiagramStyle(int index);
  std::string DiagramPageSvg();
  struct Download {
    std::string name;
    std::string text;
    std::string message;
  };
  Download DiagramDownload(DiagramExport what);

  // The fit form, in the page's language, with the loaded file to fit; its
  // start button (the request the workers run, none when nothing starts)
  // and "Ausrichtung übernehmen" (what to redraw).
  FitDialogModel& Fit();
  std::optional<PatternFitRequest> FitStart(const FitFields& fields);
  int FitAlign() { return Carry(session_.TakeFitAlignment()); }

  ViewerSession& Session() { return session_; }
  const ViewerSession& Session() const { return session_; }
  const SceneState& Scene() const { return scene_; }
  const std::optional<DifferenceFindings>& Findings() const { return findings_; }
  const WebPanelControls& Panel(int panel) const {
    return panel == 0 ? horizontalControls_ : verticalControls_;
  }
  const MemorySlider& DbRange() const { return dbRange_; }
  ConfigDialogState FormState() const { return dialog_->State(); }

 private:
  // DialogWindow
  void CheckButton(DialogControlId) override {}
  SliderControl& DbRangeSlider() override { return dbRange_; }
  void PostRepaintRequest() override { repaint_ = true; }
  void EndDialog() override {}

  int Carry(const SessionUpdate& update);
  int AfterForm();
  void TypeCode(int panel, const std::string& code);

  SceneState scene_;
  bool updatingEditText_ = false;
  AntennaPanel horizontal_{updatingEditText_};
  AntennaPanel vertical_{updatingEditText_};
  ConfigDialog* openDialog_ = nullptr;
  ViewerSession session_{scene_, horizontal_, vertical_, openDialog_};
  WebPanelControls horizontalControls_, verticalControls_;
  MemorySlider dbRange_;
  std::unique_ptr<ConfigDialog> dialog_;
  bool repaint_ = false;
  int width_ = 0, height_ = 0;
  double pixelRatio_ = 1.0;
  WebGlFrame frame_;
  std::optional<DifferenceFindings> findings_;
};

}  // namespace veltrisko
