// SPDX-License-Identifier: MIT
#include "app/logic/viewer_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/logic/main_menu.h"
#include "app/logic/pattern_file_texts.h"
#include "tests/dialog/fake_controls.h"
#include "tests/dialog/fake_dialog_window.h"

namespace veltrisko {
namespace {

bool updatingEditText = false;

// A session over a scene and two panels holding typed codes, on a picture
// of 800 x 600 pixels.
struct SessionFixture {
  SceneState scene;
  AntennaPanel horizontal{updatingEditText};
  AntennaPanel vertical{updatingEditText};
  testing::FakePanelControls horizontalFakes, verticalFakes;
  ConfigDialog* openDialog = nullptr;
  ViewerSession session{scene, horizontal, vertical, openDialog};

  SessionFixture(const std::string& h = "030EA10", const std::string& v = "020EA05") {
    Type(horizontal, horizontalFakes, h);
    Type(vertical, verticalFakes, v);
    session.SetPicture(800, 600);
  }
  static void Type(AntennaPanel& panel, testing::FakePanelControls& fakes,
                   const std::string& code) {
    panel.Bind(fakes.Controls());
    fakes.editField.SetText(code);
    panel.ParseTypedCode();
  }
};

constexpr PointerPosition kCentre{400, 300};  // on the pattern
constexpr PointerPosition kCorner{2, 2};      // beside it

enum class Step {
  kHover,
  kPressLeft,
  kPressRight,
  kPressShiftLeft,
  kMoveBy,
  kReleaseLeft,
  kReleaseRight,
  kLeave,
  kEscape
};

struct Event {
  Step step;
  PointerPosition at;
};

struct After {
  bool pinned;
  bool shown;
  bool dragging;
  FrontEndRequest request;
};

SessionUpdate Apply(ViewerSession& session, const Event& e) {
  switch (e.step) {
    case Step::kHover:
    case Step::kMoveBy:
      return session.PointerMove(e.at);
    case Step::kPressLeft:
      return session.PointerPress(PointerButton::kLeft, e.at, false);
    case Step::kPressRight:
      return session.PointerPress(PointerButton::kRight, e.at, false);
    case Step::kPressShiftLeft:
      return session.PointerPress(PointerButton::kLeft, e.at, true);
    case Step::kReleaseLeft:
      return session.PointerRelease(PointerButton::kLeft, e.at);
    case Step::kReleaseRight:
      return session.PointerRelease(PointerButton::kRight, e.at);
    case Step::kLeave:
      return session.PointerLeave();
    case Step::kEscape:
      return session.RunCommand(kCmdUnpinReadout);
  }
  return {};
}

TEST(ViewerSession, PointerSequencesHoverPinDragAndOpenTheMenu) {
  struct Case {
    const char* what;
    std::vector<Event> events;
    After after;
  };
  const PointerPosition nearCentre{kCentre.x + 2, kCentre.y + 1};
  const PointerPosition farFromCentre{kCentre.x + 40, kCentre.y};
  const Case cases[] = {
      {"hover on the pattern", {{Step::kHover, kCentre}}, {false, true, false, {}}},
      {"hover beside it", {{Step::kHover, kCorner}}, {false, false, false, {}}},
      {"hover then leave",
       {{Step::kHover, kCentre}, {Step::kLeave, {}}},
       {false, false, false, {}}},
      {"click pins",
       {{Step::kPressLeft, kCentre}, {Step::kReleaseLeft, nearCentre}},
       {true, true, false, {}}},
      {"a pinned readout stays when the pointer leaves",
       {{Step::kPressLeft, kCentre}, {Step::kReleaseLeft, kCentre}, {Step::kLeave, {}}},
       {true, true, false, {}}},
      {"a second click unpins and hovers",
       {{Step::kPressLeft, kCentre},
        {Step::kReleaseLeft, kCentre},
        {Step::kPressLeft, kCentre},
        {Step::kReleaseLeft, kCentre}},
       {false, true, false, {}}},
      {"Esc unpins",
       {{Step::kPressLeft, kCentre}, {Step::kReleaseLeft, kCentre}, {Step::kEscape, {}}},
       {false, false, false, {}}},
      {"a click beside the pattern pins nothing",
       {{Step::kPressLeft, kCorner}, {Step::kReleaseLeft, kCorner}},
       {false, false, false, {}}},
      {"a drag turns and does not pin",
       {{Step::kPressLeft, kCentre},
        {Step::kMoveBy, farFromCentre},
        {Step::kReleaseLeft, farFromCentre}},
       {false, false, false, {}}},
      {"held: dragging",
       {{Step::kPressShiftLeft, kCentre}, {Step::kMoveBy, farFromCentre}},
       {false, false, true, {}}},
      {"a right click asks for the menu",
       {{Step::kPressRight, kCentre}, {Step::kReleaseRight, nearCentre}},
       {false, false, false, FrontEndRequest::kReadoutMenu}},
      {"a right drag does not",
       {{Step::kPressRight, kCentre}, {Step::kReleaseRight, farFromCentre}},
       {false, false, false, {}}},
      {"the other button's release does not end a drag",
       {{Step::kPressLeft, kCentre}, {Step::kPressRight, kCentre}, {Step::kReleaseRight, kCentre}},
       {false, false, true, {}}},
  };
  for (const Case& c : cases) {
    SessionFixture f;
    SessionUpdate last;
    for (const Event& e : c.events) last = Apply(f.session, e);
    EXPECT_EQ(f.session.Analysis().pinned.has_value(), c.after.pinned) << c.what;
    EXPECT_EQ(f.session.Shown().has_value(), c.after.shown) << c.what;
    EXPECT_EQ(f.session.ReadoutText().empty(), !c.after.shown) << c.what;
    EXPECT_EQ(f.session.Dragging(), c.after.dragging) << c.what;
    EXPECT_EQ(last.request, c.after.request) << c.what;
  }
}

TEST(ViewerSession, ADragTurnsHalfADegreePerPixelFromWhereItWasPressed) {
  SessionFixture f;
  const float azimuth = f.scene.azimuth;
  f.session.PointerPress(PointerButton::kLeft, kCentre, false);
  EXPECT_TRUE(f.session.PointerMove({kCentre.x + 6, kCentre.y}).frame);
  EXPECT_FALSE(f.session.PointerMove({kCentre.x + 6, kCentre.y}).frame);  // no movement
  EXPECT_FLOAT_EQ(f.scene.azimuth, azimuth + 3.0f);
}

TEST(ViewerSession, APinnedReadoutFollowsTheCodesAndTheBoxStaysWhereItWasPinned) {
  SessionFixture f;
  f.session.PointerPress(PointerButton::kLeft, kCentre, false);
  f.session.PointerRelease(PointerButton::kLeft, kCentre);
  const std::string before = f.session.ReadoutText();
  f.session.PointerMove(kCorner);
  EXPECT_EQ(f.session.ReadoutAnchor().x, kCentre.x);
  SessionFixture::Type(f.horizontal, f.horizontalFakes, "045EA20");
  f.session.Refresh();
  EXPECT_NE(f.session.ReadoutText(), before);
  EXPECT_NE(f.session.CopiedReadout().find("Codes: 045EA20 / 020EA05, HCM V7"), std::string::npos);
}

TEST(ViewerSession, CommandsSayWhatChangedAndWhatTheFrontEndMustDo) {
  struct Case {
    int command;
    bool frame, texts, legends;
    FrontEndRequest request;
  };
  const Case cases[] = {
      {kCmdGrid, true, false, false, FrontEndRequest::kNone},
      {kCmdLegend, true, false, true, FrontEndRequest::kNone},
      {kCmdDifference, true, false, false, FrontEndRequest::kNone},
      {kCmdLanguageEnglish, true, true, false, FrontEndRequest::kNone},
      {kCmdLanguageGerman, false, false, false, FrontEndRequest::kNone},  // already in force
      {kCmdCopyReadout, false, false, false, FrontEndRequest::kNone},     // nothing shown
      {kCmdQuit, false, false, false, FrontEndRequest::kQuit},
      {kCmdAntennaType, true, false, false, FrontEndRequest::kOpenDialog},
      {kCmdDiagrams, false, false, false, FrontEndRequest::kOpenDiagrams},
      {kCmdFitCode, false, false, false, FrontEndRequest::kAskImportForFit},  // no file
      {kCmdImportPattern, false, false, false, FrontEndRequest::kImportPattern},
      {kCmdAbout, false, false, false, FrontEndRequest::kShowAbout},
      {12345, false, false, false, FrontEndRequest::kNone},
  };
  for (const Case& c : cases) {
    SessionFixture f;
    const SessionUpdate update = f.session.RunCommand(c.command);
    EXPECT_EQ(update.frame, c.frame) << c.command;
    EXPECT_EQ(update.texts, c.texts) << c.command;
    EXPECT_EQ(update.legends, c.legends) << c.command;
    EXPECT_EQ(update.request, c.request) << c.command;
  }
}

TEST(ViewerSession, CheckMarksFollowTheCommands) {
  SessionFixture f;
  const std::vector<int> marked = {kCmdGrid, kCmdLegend, kCmdDifference, kCmdLanguageEnglish,
                                   kCmdResolutionFine};
  std::vector<bool> before;
  for (int command : marked) before.push_back(f.session.CheckMark(command).value());
  EXPECT_EQ(before, (std::vector<bool>{true, true, false, false, false}));
  for (int command : marked) f.session.RunCommand(command);
  std::vector<bool> after;
  for (int command : marked) after.push_back(f.session.CheckMark(command).value());
  EXPECT_EQ(after, (std::vector<bool>{false, false, true, true, true}));
  EXPECT_FALSE(f.session.CheckMark(kCmdLanguageGerman).value());
  EXPECT_FALSE(f.session.CheckMark(kCmdDiagrams).has_value());
}

TEST(ViewerSession, StartTakesTheLanguageGivenThenTheKeptOneAndKeepsOnlyAGivenOne) {
  struct Case {
    std::optional<Language> given;
    KeptSettings kept;
    Language expected;
    KeptSettings toKeep;
  };
  const Case cases[] = {
      {std::nullopt, {}, Language::kGerman, {}},
      {std::nullopt, {{"language", "en"}}, Language::kEnglish, {}},
      {std::nullopt, {{"language", "xx"}}, Language::kGerman, {}},
      {Language::kGerman, {{"language", "en"}}, Language::kGerman, {{"language", "de"}}},
  };
  for (const Case& c : cases) {
    SessionFixture f;
    StartOptions options;
    options.language = c.given;
    options.dbRange = 25;
    EXPECT_EQ(f.session.Start(options, c.kept), c.toKeep);
    EXPECT_EQ(f.session.TextLanguage(), c.expected);
    EXPECT_EQ(f.horizontal.LabelLanguage(), c.expected);
    EXPECT_TRUE(f.scene.logScale);
  }
}

TEST(ViewerSession, TheDiagramStyleIsKeptAsAWordUnderOneKey) {
  struct Case {
    KeptSettings kept;
    DiagramStyle expected;
  };
  const Case cases[] = {
      {{}, DiagramStyle::kPolar},
      {{{"diagramStyle", "cartesian"}}, DiagramStyle::kCartesian},
      {{{"diagramStyle", "polar"}, {"language", "en"}}, DiagramStyle::kPolar},
      {{{"diagramStyle", "true"}}, DiagramStyle::kPolar},
  };
  for (const Case& c : cases) EXPECT_EQ(KeptDiagramStyle(c.kept), c.expected);
  for (const DiagramStyle style : {DiagramStyle::kPolar, DiagramStyle::kCartesian})
    EXPECT_EQ(KeptDiagramStyle(DiagramStyleToKeep(style)), style);
  EXPECT_EQ(DiagramStyleToKeep(DiagramStyle::kCartesian),
            (KeptSettings{{"diagramStyle", "cartesian"}}));
}

TEST(ViewerSession, AChosenDiagramStyleRedrawsOnlyWhenItChangesAndIsAlwaysKept) {
  SessionFixture f;
  const KeptSettings cartesian{{"diagramStyle", "cartesian"}};
  const std::pair<DiagramStyle, bool> choices[] = {{DiagramStyle::kCartesian, true},
                                                   {DiagramStyle::kCartesian, false}};
  for (const auto& [style, redraw] : choices) {
    const ViewerSession::DiagramStyleChoice choice = f.session.ChooseDiagramStyle(style);
    EXPECT_EQ(choice.redraw, redraw);
    EXPECT_EQ(choice.keep, cartesian);
  }
  EXPECT_EQ(f.session.Diagrams().Input().style, DiagramStyle::kCartesian);
}

TEST(ViewerSession, TheReadoutSpeaksTheLanguageInForce) {
  SessionFixture f;
  f.session.PointerMove(kCentre);
  EXPECT_EQ(f.session.ReadoutMenuText(), "Werte kopieren");
  const std::string german = f.session.ReadoutText();
  f.session.RunCommand(kCmdLanguageEnglish);
  EXPECT_NE(f.session.ReadoutText(), german);
  EXPECT_EQ(f.session.Settings(), (KeptSettings{{"language", "en"}}));
}

}  // namespace
}  // namespace veltrisko

namespace veltrisko {
namespace {

// The CSV pattern file of the fixture's codes under V7.
std::string CsvOfCodes(const SessionFixture& f) {
  const auto exported = PatternFileSession::ExportText("a.csv", f.horizontal.Code(),
                                                       f.vertical.Code(), true, Language::kGerman);
  EXPECT_TRUE(exported.message.empty()) << exported.message;
  return exported.text;
}

TEST(ViewerSession, PatternFilesExportTheCodesInForceAndImportWhatTheyWrote) {
  SessionFixture f;
  const ViewerSession::PatternImport loaded =
      f.session.ImportPatternBytes("dir/a.csv", CsvOfCodes(f));
  EXPECT_TRUE(loaded.problem.empty()) << loaded.problem;
  EXPECT_EQ(f.session.Files().LoadedName(), "a.csv");
  EXPECT_TRUE(f.session.Files().LoadedCuts().horizontal.has_value());
  EXPECT_NE(f.session.InfoLegend(std::nullopt).lines.back().text.find("a.csv"), std::string::npos);
  // Its curves show in the 2-D window, its line in the taller legend.
  EXPECT_EQ(loaded.update.request, FrontEndRequest::kOpenDiagrams);
  EXPECT_TRUE(loaded.update.frame && loaded.update.legends);

  struct Refusal {
    std::string name, bytes;
    int language;
    const char* says;
  };
  const Refusal refusals[] = {
      {"b.csv", "hello,world\n1,2\n", kCmdLanguageGerman, "Zeile"},
      {"b.csv", "hello,world\n1,2\n", kCmdLanguageEnglish, "line"},
      {"big.msi", std::string(kMaxPatternFileBytes + 1, ' '), kCmdLanguageEnglish, "10 MB"},
  };
  for (const Refusal& r : refusals) {
    f.session.RunCommand(r.language);
    const ViewerSession::PatternImport refused = f.session.ImportPatternBytes(r.name, r.bytes);
    EXPECT_NE(refused.problem.find(r.says), std::string::npos) << refused.problem;
    EXPECT_EQ(refused.update.request, FrontEndRequest::kNone);
    EXPECT_EQ(f.session.Files().LoadedName(), "a.csv") << "a refused file replaces nothing";
  }
  EXPECT_FALSE(f.session.ExportPattern("/nonexistent-folder/x.msi").empty());
}

// Every viewer places the legends so; a loaded file's line makes the
// information legend taller, at every scale.
TEST(ViewerSession, TheInformationLegendGrowsByTheLineOfALoadedFile) {
  SessionFixture f;
  const struct {
    double scale;
    LegendRect info, infoWithFile;
  } cases[] = {
      {1.0, {580, 0, 220, 184}, {580, 0, 220, 204}},
      {1.5, {470, 0, 330, 276}, {470, 0, 330, 306}},
  };
  for (const auto& c : cases) EXPECT_EQ(f.session.Legends(800, 600, c.scale).info, c.info);
  ASSERT_TRUE(f.session.Files().ImportBytes("a.csv", CsvOfCodes(f), Language::kGerman).empty());
  for (const auto& c : cases)
    EXPECT_EQ(f.session.Legends(800, 600, c.scale).info, c.infoWithFile) << c.scale;
}

// The save dialog's chosen type names the format where the name has none.
TEST(ExportPathFor, ANameWithoutExtensionGetsTheChosenTypes) {
  const struct {
    const char* chosen;
    std::size_t filter;
    const char* path;
  } paths[] = {
      {"/tmp/pair", 0, "/tmp/pair.msi"},     {"/tmp/pair", 1, "/tmp/pair.csv"},
      {"/tmp/pair.pln", 1, "/tmp/pair.pln"}, {"C:\\a.b\\pair", 1, "C:\\a.b\\pair.csv"},
      {"/tmp/pair", 2, "/tmp/pair"},  // no such type: the name as given
  };
  for (const auto& p : paths) EXPECT_EQ(ExportPathFor(p.chosen, p.filter), p.path) << p.chosen;
}

// The 2-D window and the fit follow the viewer: each step, and what the
// window must show anew after it.
TEST(ViewerSession, TheFitAsksForAFileFirstAndOpensOnlyOnALoadedOne) {
  SessionFixture f;
  EXPECT_EQ(f.session.FitAfterImport().request, FrontEndRequest::kNone);  // the import cancelled
  EXPECT_NE(f.session.FitNeedsFileQuestion().find("importieren?"), std::string::npos);
  f.session.Files().ImportBytes("a.csv", CsvOfCodes(f), Language::kGerman);
  EXPECT_EQ(f.session.FitAfterImport().request, FrontEndRequest::kOpenFit);
  EXPECT_EQ(f.session.RunCommand(kCmdFitCode).request, FrontEndRequest::kOpenFit);
}

TEST(ViewerSession, TheSideWindowsFollowCodesLanguageAndEveryFileLoaded) {
  SessionFixture f;
  const std::string csv = CsvOfCodes(f);
  const auto load = [&] { f.session.Files().ImportBytes("a.csv", csv, Language::kGerman); };
  struct Case {
    const char* step;
    std::function<void()> act;
    SideWindowChange diagrams, fit;
  };
  const Case cases[] = {
      {"first look", [] {}, SideWindowChange::kPlots, SideWindowChange::kNone},
      {"nothing changed", [] {}, SideWindowChange::kNone, SideWindowChange::kNone},
      {"the rule", [&] { f.scene.useHcmV7 = false; }, SideWindowChange::kPlots,
       SideWindowChange::kNone},
      {"a file", load, SideWindowChange::kAll, SideWindowChange::kAll},
      {"the same name again", load, SideWindowChange::kAll, SideWindowChange::kAll},
      {"the language", [&] { f.session.RunCommand(kCmdLanguageEnglish); }, SideWindowChange::kAll,
       SideWindowChange::kAll},
  };
  for (const Case& c : cases) {
    c.act();
    EXPECT_EQ(f.session.FollowDiagrams(), c.diagrams) << c.step;
    EXPECT_EQ(f.session.FollowFit(), c.fit) << c.step;
  }
  EXPECT_TRUE(f.session.Diagrams().CurveBoxShown(DiagramCurve::kImported));
  EXPECT_FALSE(f.session.Diagrams().Input().useHcmV7);
  EXPECT_NE(f.session.Fit().View().measurementName.find("a.csv"), std::string::npos);
  // Before a fit there is no measured direction to turn to; after one the
  // view turns to it.
  EXPECT_FALSE(f.session.TakeFitAlignment().frame);
  const std::optional<PatternFitRequest> request =
      f.session.PressFitStartElsewhere({0, std::nullopt, 1});
  ASSERT_TRUE(request);
  f.session.Fit().FinishedElsewhere(
      FitOnThisThread(*f.session.Files().Loaded(), *request, CodeSpace::Thinned(7), {}));
  const std::optional<FitOrientation> measured = f.session.Fit().Alignment();
  ASSERT_TRUE(measured);
  f.scene.azimuth = f.scene.elevation = 1.0f;
  EXPECT_TRUE(f.session.TakeFitAlignment().frame);
  EXPECT_EQ(f.scene.azimuth, static_cast<float>(measured->azimuth));
  EXPECT_EQ(f.scene.elevation, static_cast<float>(measured->elevation));

  // A chosen row's code goes into its component's field, and a closed
  // dialog opens first; a row that is none changes nothing.
  testing::FakeDialogWindow window;
  ConfigDialog dialog{window, {f.scene, f.horizontal, f.vertical, updatingEditText, f.openDialog}};
  const auto& rows = f.session.Fit().View().rowCodes;
  ASSERT_FALSE(rows[0].empty() || rows[1].empty());
  struct Choice {
    ConfigDialog* open;
    int list, row;
    std::optional<std::string> code;
    DialogControlId field;
    FrontEndRequest request;
  };
  const Choice choices[] = {
      {nullptr, 0, 0, rows[0][0], kHorizontalEditId, FrontEndRequest::kOpenDialog},
      {&dialog, 1, 0, rows[1][0], kVerticalEditId, FrontEndRequest::kNone},
      {nullptr, 0, static_cast<int>(rows[0].size()), std::nullopt, kHorizontalEditId,
       FrontEndRequest::kNone},
  };
  for (const Choice& c : choices) {
    f.openDialog = c.open;
    const ViewerSession::FitRowChoice choice = f.session.ChooseFitRow(c.list, c.row);
    EXPECT_EQ(choice.code, c.code);
    EXPECT_EQ(choice.field, c.field);
    EXPECT_EQ(choice.update.request, c.request);
    // The warnings line the window shows at once is the one a full redraw shows.
    if (choice.code) {
      EXPECT_EQ(choice.warnings, f.session.Fit().View().warnings);
    }
  }
}

}  // namespace
}  // namespace veltrisko
