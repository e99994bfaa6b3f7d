// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/direction_readout.h"
#include "app/logic/command_line.h"
#include "app/logic/fit_dialog_model.h"
#include "app/logic/legend_content.h"
#include "app/logic/pattern_file_session.h"
#include "app/logic/readout_view.h"
#include "app/logic/view_drag.h"
#include "app/logic/window_place.h"
#include "diagram/diagram_window_model.h"
#include "dialog/antenna_panel.h"
#include "dialog/config_dialog.h"
#include "render/pattern_frame.h"
#include "render/pattern_geometry.h"
#include "scene/scene_state.h"
#include "text/language.h"

namespace veltrisko {

// What a viewer keeps between runs as plain key/value text; each front end
// stores it in its own place (a settings file, the registry).
using KeptSettings = std::map<std::string, std::string>;
inline constexpr char kLanguageSetting[] = "language";          // "de" or "en"
inline constexpr char kDiagramStyleSetting[] = "diagramStyle";  // "polar" or "cartesian"
inline constexpr char kWindowPlaceSetting[] = "mainWindow";     // see WindowPlaceText
// Every key a viewer keeps, for front ends that read them one by one.
inline constexpr std::array<const char*, 3> kSessionSettingKeys{
    kLanguageSetting, kDiagramStyleSetting, kWindowPlaceSetting};

// The language kept, if it names one.
std::optional<Language> KeptLanguage(const KeptSettings& kept);
// The 2-D window's display mode chosen last (polar if none is kept), and
// what to keep for a choice.
DiagramStyle KeptDiagramStyle(const KeptSettings& kept);
KeptSettings DiagramStyleToKeep(DiagramStyle style);
// The main window's place at the last end, if one is kept and readable, and
// what to keep at this end.
std::optional<WindowPlace> KeptWindowPlace(const KeptSettings& kept);
KeptSettings WindowPlaceToKeep(const WindowPlace& place);

// What only a front end can do for a command: windows, files, the clipboard.
enum class FrontEndRequest {
  kNone,
  kQuit,
  kOpenDialog,
  kOpenDocumentation,
  kShowAbout,
  kOpenDiagrams,
  kImportPattern,
  kExportPattern,
  kOpenFit,
  kCopyReadout,      // put CopiedReadout() on the clipboard
  kReadoutMenu,      // open the readout's context menu at the pointer
  kAskImportForFit,  // ask FitNeedsFileQuestion(); on yes import, then FitAfterImport()
};

// What a call changed, so that a front end draws only what it must.
struct SessionUpdate {
  bool frame = false;    // the picture and the legends
  bool readout = false;  // the readout box and the status line
  bool texts = false;    // the language: every text, and the kept settings
  bool legends = false;  // the legends were shown or hidden, or one changed its size
  FrontEndRequest request = FrontEndRequest::kNone;

  SessionUpdate& operator|=(const SessionUpdate& other);
};

// What a side window (the 2-D window, the fit) must show anew after it
// followed the viewer: nothing, its plots, or every text and control too.
enum class SideWindowChange { kNone, kPlots, kAll };

enum class PointerButton { kLeft, kRight, kOther };

struct PointerPosition {
  int x = 0;
  int y = 0;
};

// One viewer's state and the operations every front end forwards to it: the
// menu's and the keys' commands with their check marks, the pointer over
// the picture (turning, tilting, the readout, click versus drag), the
// language, the start and the kept settings. The scene, the two panels and
// the open dialog's handle are the process's; the session works on them.
class ViewerSession {
 public:
  ViewerSession(SceneState& scene, AntennaPanel& horizontal, AntennaPanel& vertical,
                ConfigDialog* const& openDialog);

  // Applies the command line's rule and display mode and chooses the language
  // (given, else kept, else the default). Returns what to keep: a language
  // given is also the one of the next start.
  KeptSettings Start(const StartOptions& options, const KeptSettings& kept);
  // What to keep now.
  KeptSettings Settings() const;

  // A command of the shared menu or key table.
  SessionUpdate RunCommand(int command);
  // The check mark of a menu item; nullopt for items without one.
  std::optional<bool> CheckMark(int command) const;

  // The picture's size in logical pixels and the device pixels per logical
  // one; pointer positions are logical pixels from its top-left corner.
  void SetPicture(int width, int height, double pixelRatio = 1.0);
  SessionUpdate PointerPress(PointerButton button, PointerPosition at, bool shift);
  SessionUpdate PointerMove(PointerPosition at);
  SessionUpdate PointerRelease(PointerButton button, PointerPosition at);
  SessionUpdate PointerLeave();
  // The window lost the pointer while a button was held.
  void PointerCancel() { drag_.reset(); }
  bool Dragging() const { return drag_.has_value(); }

  // Reads the shown direction again after codes, rule or view changed.
  SessionUpdate Refresh();

  Language TextLanguage() const { return language_; }
  bool LegendsVisible() const { return legendsVisible_; }
  const AnalysisViewState& Analysis() const { return analysis_; }
  FrameOptions Frame() const { return FrameOptionsOf(analysis_); }

  // The readout: the box's lines and the status line in the language in
  // force (empty while nothing is shown), the point the box stands beside,
  // the clipboard's text and the context menu's entry.
  const std::optional<DirectionReadout>& Shown() const { return shown_; }
  std::string ReadoutText() const;
  std::string StatusLine() const;
  PointerPosition ReadoutAnchor() const { return anchor_; }
  std::string CopiedReadout() const;
  std::string ReadoutMenuText() const;

  // The two legends and the message over the picture, after a frame that
  // found `findings` (the difference view's; none otherwise).
  InfoLegendContent InfoLegend(const std::optional<DifferenceFindings>& findings) const;
  ColourLegendContent ColourLegend(const std::optional<DifferenceFindings>& findings) const;
  std::string CodeMessage() const;
  // Where the legends stand in a picture of this size, their sizes times
  // `scale` (LegendScale); the information legend is as tall as its content,
  // taller by the file's line while a file is loaded.
  LegendPlacement Legends(int width, int height, double scale = 1.0) const;

  // The pattern files: export, import and the loaded file.
  // The fit works on a loaded file: without one, "Antennencode anpassen…"
  // first asks whether to import one, and the fit opens on the file that came.
  std::string FitNeedsFileQuestion() const;
  SessionUpdate FitAfterImport() const;

  PatternFileSession& Files() { return files_; }
  const PatternFileSession& Files() const { return files_; }
  std::string ExportPattern(const std::string& path) const;
  // A file read from `path`, or bytes named `name`. A refused file leaves
  // the loaded one and gives its message; a loaded one opens the 2-D window
  // with its curves and grows the information legend by its line.
  struct PatternImport {
    std::string problem;
    SessionUpdate update;
  };
  PatternImport ImportPattern(const std::string& path);
  PatternImport ImportPatternBytes(const std::string& name, std::string_view bytes);

  // The 2-D window (in the display mode kept at the start) and the code
  // fit; they keep their state while their windows are closed. Following
  // brings them to the codes, the rule, the language and the loaded file in
  // force.
  DiagramWindowModel& Diagrams() { return diagrams_; }
  SideWindowChange FollowDiagrams();
  // The user chose the 2-D window's display mode: the plots show it from now
  // on and the next start opens them in it.
  struct DiagramStyleChoice {
    bool redraw = false;  // the plots show another mode
    KeptSettings keep;    // to keep now
  };
  DiagramStyleChoice ChooseDiagramStyle(DiagramStyle style);
  FitDialogModel& Fit() { return fit_; }
  SideWindowChange FollowFit();
  // The fit's start button, the codes in force winning ties: run here (as
  // FitDialogModel::PressStart) or by the front end (PressStartElsewhere).
  bool PressFitStart(const FitFields& settings, std::function<void()> done);
  std::optional<PatternFitRequest> PressFitStartElsewhere(const FitFields& settings);
  // "Ausrichtung übernehmen": the view turns to the measured main direction.
  SessionUpdate TakeFitAlignment();
  // A fit row chosen: its code goes into the dialog's field `field` as if
  // typed; a closed dialog opens first (`update`), so that the user sees it.
  // The fit window's warnings line changes with the rows chosen.
  struct FitRowChoice {
    std::optional<std::string> code;
    DialogControlId field = kHorizontalEditId;
    SessionUpdate update;
    std::string warnings;
  };
  FitRowChoice ChooseFitRow(int list, int row);

 private:
  struct Drag {
    DragMode mode;
    PointerButton button;
    PointerPosition pressedAt;
    PointerPosition last;
  };

  std::optional<DirectionReadout> ReadoutAt(PointerPosition at) const;
  SessionUpdate Hover(PointerPosition at);
  SessionUpdate Click(PointerPosition at);
  SessionUpdate Unpin();
  void SetLanguage(Language language);

  SceneState& scene_;
  AntennaPanel& horizontal_;
  AntennaPanel& vertical_;
  ConfigDialog* const& openDialog_;
  Language language_ = kDefaultLanguage;
  bool legendsVisible_ = true;
  AnalysisViewState analysis_;
  std::optional<DirectionReadout> shown_;
  PointerPosition anchor_;
  PointerPosition lastHover_;
  std::optional<Drag> drag_;
  PatternFileSession files_;
  DiagramWindowModel diagrams_;
  unsigned diagramLoads_ = 0;  // the loaded file the 2-D window shows
  FitDialogModel fit_;
  unsigned fitLoads_ = 0;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  double pixelRatio_ = 1.0;
};

}  // namespace veltrisko
