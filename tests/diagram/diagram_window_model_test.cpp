// SPDX-License-Identifier: MIT
// The 2-D window's model: sequences of the events both viewers forward, and
// the texts, names and files it gives them.
#include "diagram/diagram_window_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>

#include "diagram/diagram_files.h"
#include "model/combination.h"
#include "tests/diagram/curve_of.h"

namespace veltrisko {
namespace {

using Event = std::function<bool(DiagramWindowModel&)>;

const Event kFollowDefault = [](DiagramWindowModel& m) {
  return m.Follow("030EA10", "020EA05", true);
};

CutLosses Losses() {
  CutLosses losses{};
  for (int a = 0; a < kCutPoints; ++a) losses[a] = a % 40;
  return losses;
}

TEST(DiagramWindowModel, EventsRedrawOnlyWhenSomethingChanged) {
  const struct {
    const char* name;
    std::vector<std::pair<Event, bool>> events;  // each with "redraw?"
    std::function<bool(const DiagramWindowModel&)> holds;
  } cases[] = {
      {"following the same codes twice computes once",
       {{kFollowDefault, true}, {kFollowDefault, false}},
       [](const DiagramWindowModel& m) { return m.Input().horizontal.has_value(); }},
      {"another rule is followed",
       {{kFollowDefault, true},
        {[](DiagramWindowModel& m) { return m.Follow("030EA10", "020EA05", false); }, true}},
       [](const DiagramWindowModel& m) { return !m.Input().useHcmV7; }},
      {"codes that cannot be evaluated leave no cuts, and are not computed again",
       {{[](DiagramWindowModel& m) { return m.Follow("066EA00", "020EA05", true); }, true},
        {[](DiagramWindowModel& m) { return m.Follow("066EA00", "020EA05", true); }, false}},
       [](const DiagramWindowModel& m) {
         return !m.Input().horizontal && !m.Input().vertical && !m.Input().verticalBack;
       }},
      {"the display mode",
       {{[](DiagramWindowModel& m) { return m.SetStyle(DiagramStyle::kPolar); }, false},
        {[](DiagramWindowModel& m) { return m.SetStyle(DiagramStyle::kCartesian); }, true}},
       [](const DiagramWindowModel& m) { return m.StyleIndex() == 1; }},
      {"a curve box",
       {{[](DiagramWindowModel& m) { return m.SetCurveVisible(DiagramCurve::kV6, false); }, true},
        {[](DiagramWindowModel& m) { return m.SetCurveVisible(DiagramCurve::kV6, false); }, false}},
       [](const DiagramWindowModel& m) {
         return !m.CurveChecked(DiagramCurve::kV6) && m.CurveChecked(DiagramCurve::kV7);
       }},
      {"a loaded file shows its box checked, even when it was unchecked before",
       {{[](DiagramWindowModel& m) { return m.SetCurveVisible(DiagramCurve::kImported, false); },
         true},
        {[](DiagramWindowModel& m) {
           m.SetImportedCuts("a.msi", Losses(), Losses());
           return true;
         },
         true}},
       [](const DiagramWindowModel& m) {
         return m.CurveBoxShown(DiagramCurve::kImported) &&
                m.CurveChecked(DiagramCurve::kImported) && m.Input().importedVerticalBack;
       }},
      {"an empty name removes the file and its box",
       {{[](DiagramWindowModel& m) {
           m.SetImportedCuts("a.msi", Losses(), Losses());
           m.SetImportedCuts("", Losses(), Losses());
           return true;
         },
         true}},
       [](const DiagramWindowModel& m) {
         return !m.CurveBoxShown(DiagramCurve::kImported) && !m.Input().importedHorizontal &&
                !m.Input().importedVerticalBack;
       }},
      {"another language clears the reading, which names its curves",
       {{kFollowDefault, true},
        {[](DiagramWindowModel& m) {
           PlotFrame frame;
           frame.radius = 100.0;
           return m.PointAt(frame, {0.0, -50.0});
         },
         true},
        {[](DiagramWindowModel& m) { return m.SetLanguage(Language::kGerman); }, false},
        {[](DiagramWindowModel& m) { return m.SetLanguage(Language::kEnglish); }, true}},
       [](const DiagramWindowModel& m) {
         return m.Reading().empty() && m.WindowTitle() == "Veltrisko – 2-D diagrams";
       }},
  };
  for (const auto& c : cases) {
    DiagramWindowModel model;
    for (std::size_t i = 0; i < c.events.size(); ++i)
      EXPECT_EQ(c.events[i].first(model), c.events[i].second) << c.name << ", event " << i;
    EXPECT_TRUE(c.holds(model)) << c.name;
  }
}

TEST(DiagramWindowModel, TheReadingFollowsTheMouseRoundTheWholeVerticalCircle) {
  DiagramWindowModel model(Language::kGerman);
  model.Follow("030EA10", "020EA05", false);
  model.SetImportedCuts("m.msi", Losses(), Losses());
  PlotFrame frame;
  frame.kind = CutKind::kVertical;
  frame.centre = {200.0, 200.0};
  frame.radius = 100.0;
  const double v6Back = CombinedAttenuationV6(180.0f, 30.0f, "030EA10", "020EA05");
  const struct {
    Point at;
    bool read;
    std::string start;
    std::string has;
  } cases[] = {
      // Right: the front horizon; up and left: 30 degrees up on the back,
      // the file's vertical angle 180 + 30.
      {{300.0, 200.0}, true, "Elevation 0,0°:", ",  Datei m.msi 0,00 dB"},
      {{200.0 - 86.6, 150.0},
       true,
       "Elevation 30,0° (hinten, Azimut 180°):",
       "V6 " + DecimalNumber(-v6Back, 2, Language::kGerman) + " dB"},
      {{200.0 - 86.6, 150.0}, true, "", ",  Datei m.msi -10,00 dB"},
      {{200.0 - 86.6, 250.0}, true, "Elevation -30,0° (hinten", ",  Datei m.msi -30,00 dB"},
      {{390.0, 390.0}, false, "Elevation -30,0° (hinten", ""},  // off the plot: it stays
  };
  for (const auto& c : cases) {
    model.PointAt(frame, c.at);
    EXPECT_EQ(model.Reading().rfind(c.start, 0), 0u) << model.Reading();
    EXPECT_NE(model.Reading().find(c.has), std::string::npos) << model.Reading();
  }
}

TEST(DiagramWindowModel, OverThePageTheReadingIsThatOfThePlotUnderThePointer) {
  for (const DiagramStyle style : {DiagramStyle::kPolar, DiagramStyle::kCartesian}) {
    DiagramWindowModel model;
    model.Follow("030EA10", "020EA05", false);
    model.SetStyle(style);
    // Each plot on its own, as the desktop's plots read the mouse.
    const double half = kDiagramPageWidth / 2.0;
    const auto readingOf = [&](CutKind kind, Point at) {
      DiagramWindowModel alone = model;
      alone.PointAt(
          DescribeCutPlot(model.Input(), kind, half, kDiagramPageHeight, EstimatedTextWidth).frame,
          at);
      return alone.Reading();
    };
    const Point a{230.0, 250.0}, b{380.0, 330.0};
    const struct {
      Point at;
      bool changed;
      std::string reading;
    } cases[] = {
        {a, true, readingOf(CutKind::kHorizontal, a)},
        {{a.x + half, a.y}, true, readingOf(CutKind::kVertical, a)},
        {{b.x + half, b.y}, true, readingOf(CutKind::kVertical, b)},
        {{-1.0, b.y}, false, readingOf(CutKind::kVertical, b)},  // off the page: it stays
        {{b.x, kDiagramPageHeight + 1.0}, false, readingOf(CutKind::kVertical, b)},
        {b, true, readingOf(CutKind::kHorizontal, b)},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(model.PointAtPage(c.at, EstimatedTextWidth), c.changed) << c.at.x << "," << c.at.y;
      EXPECT_FALSE(model.Reading().empty());
      EXPECT_EQ(model.Reading(), c.reading) << c.at.x << "," << c.at.y;
    }
  }
}

TEST(DiagramWindowModel, ThePolarVerticalPlotIsTheWholeCircleTheCartesianTheFront) {
  DiagramWindowModel model;
  model.Follow("030EA10", "020EA05", true);
  model.SetImportedCuts("m.msi", Losses(), Losses());
  for (const auto& [style, points] :
       {std::pair{DiagramStyle::kPolar, 361u}, std::pair{DiagramStyle::kCartesian, 181u}}) {
    model.SetStyle(style);
    const CutPlot plot =
        DescribeCutPlot(model.Input(), CutKind::kVertical, 500, 500, EstimatedTextWidth);
    for (const DiagramCurve curve : {DiagramCurve::kV7, DiagramCurve::kImported}) {
      const Polyline* line = CurveOf(plot.drawing, curve);
      ASSERT_NE(line, nullptr);
      EXPECT_EQ(line->points.size(), points);
      // The file's curve never reaches the centre, where no angle is read.
      if (style != DiagramStyle::kPolar || curve != DiagramCurve::kImported) continue;
      // From the back's horizon (left) through the nadir, the front horizon
      // and the zenith back to the back's horizon.
      const double angles[] = {-180.0, -90.0, 0.0, 90.0, 180.0};
      for (std::size_t k = 0; k < 5; ++k) {
        const std::optional<double> at = CutAngleAt(plot.frame, line->points[k * 90]);
        ASSERT_TRUE(at);
        EXPECT_NEAR(std::fabs(*at), std::fabs(angles[k]), 1e-6) << k;
      }
    }
  }
  EXPECT_EQ(model.Input().verticalBack->azimuth, 180.0f);
}

TEST(DiagramWindowModel, ExportNamesAndExtensions) {
  const struct {
    DiagramExport what;
    const char* horizontal;
    const char* vertical;
    bool v7;
    const char* name;
  } names[] = {
      {DiagramExport::kCsvHorizontal, "030EA10", "020EA05", true,
       "030EA10_020EA05_V7_horizontal.csv"},
      {DiagramExport::kCsvVertical, "030EA10", "020EA05", false, "030EA10_020EA05_V6_vertical.csv"},
      {DiagramExport::kPng, "060LA05", "020EB00", true, "060LA05_020EB00_V7.png"},
      {DiagramExport::kSvg, "", "a/b:c", true, "-_a_b_c_V7.svg"},
      {DiagramExport::kPdf, "030EA10", "020EA05", true, "030EA10_020EA05_V7.pdf"},
  };
  for (const auto& n : names) {
    DiagramWindowModel model;
    model.Follow(n.horizontal, n.vertical, n.v7);
    EXPECT_EQ(model.ExportDialog(n.what).suggestedName, n.name);
  }
  // The file dialog offers the type the name ends in.
  EXPECT_EQ(DiagramWindowModel().ExportDialog(DiagramExport::kCsvVertical).filter, "CSV (*.csv)");
  const struct {
    DiagramExport what;
    const char* chosen;
    const char* path;
  } paths[] = {
      {DiagramExport::kCsvVertical, "/tmp/cut", "/tmp/cut.csv"},
      {DiagramExport::kPng, "/tmp/cut.csv", "/tmp/cut.csv"},  // the user's own extension
      {DiagramExport::kSvg, "/tmp/a.b/cut", "/tmp/a.b/cut.svg"},
      {DiagramExport::kPdf, "C:\\a.b\\cut", "C:\\a.b\\cut.pdf"},
      {DiagramExport::kPng, "", ""},
  };
  const DiagramWindowModel model;
  for (const auto& p : paths) EXPECT_EQ(model.PathWithExtension(p.what, p.chosen), p.path);
}

TEST(DiagramWindowModel, ALongFileNameIsCutInTheMiddleOnItsBox) {
  const struct {
    std::string name;
    std::string box;
    bool tooltip;
  } cases[] = {
      {"pair.msi", "Datei: pair.msi", false},
      {"Messung Sektorantenne Nord 2024-05-17 Süd-Ost Elevation.msi",
       "Datei: Messung Sektoran…t Elevation.msi", true},
      {std::string(32, 'x'), "Datei: " + std::string(32, 'x'), false},
  };
  for (const auto& c : cases) {
    DiagramWindowModel model;
    model.SetImportedCuts(c.name, Losses(), std::nullopt);
    EXPECT_EQ(model.CurveBoxText(DiagramCurve::kImported), c.box);
    EXPECT_EQ(model.CurveBoxTooltip(DiagramCurve::kImported),
              c.tooltip ? "Datei: " + c.name : std::string());
  }
}

TEST(DiagramWindowModel, TheViewLeavesThePdfToPrintingWhereThatMakesOne) {
  DiagramWindowModel model(Language::kEnglish, DiagramStyle::kCartesian);
  model.Follow("030EA10", "020EA05", true);
  model.SetImportedCuts("Messung Sektorantenne Nord 2024-05-17 Süd-Ost Elevation.msi", Losses(),
                        std::nullopt);
  model.SetCurveVisible(DiagramCurve::kV6, false);
  using enum DiagramExport;
  const struct {
    PdfExport pdf;
    std::vector<DiagramExport> buttons;
  } cases[] = {
      {PdfExport::kOwnButton, {kPng, kSvg, kCsvHorizontal, kCsvVertical, kPdf, kPrint}},
      {PdfExport::kByPrinting, {kPng, kSvg, kCsvHorizontal, kCsvVertical, kPrint}},
  };
  for (const auto& c : cases) {
    const DiagramWindowView view = model.View(c.pdf);
    std::vector<DiagramExport> buttons;
    for (const auto& button : view.buttons) buttons.push_back(button.what);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(view.buttons.back().text, "Print…");
    EXPECT_EQ(view.styles[view.style], "Cartesian");
    const auto& v6 = view.curves[static_cast<int>(DiagramCurve::kV6)];
    const auto& file = view.curves[static_cast<int>(DiagramCurve::kImported)];
    EXPECT_TRUE(v6.shown && !v6.checked);
    EXPECT_TRUE(file.shown && file.checked);
    EXPECT_NE(file.tooltip.find("Süd-Ost Elevation.msi"), std::string::npos);
  }
}

TEST(DiagramWindowModel, ThePageHasOneTitleAndFitsTheDevice) {
  DiagramWindowModel model;
  model.Follow("030EA10", "020EA05", true);
  model.SetImportedCuts("m.msi", Losses(), Losses());
  EXPECT_EQ(model.PageTitle(),
            "Veltrisko 2D-Diagramme: hor. 030EA10   vert. 020EA05   HCM V7   Datei: m.msi");
  EXPECT_EQ(DiagramWindowModel::PageScale(2400.0, 2000.0), 2.0);
  EXPECT_EQ(DiagramWindowModel::PageScale(6000.0, 1280.0), 2.0);
}

TEST(DiagramWindowModel, ExportsWriteWholeFilesOrSayWhyNot) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "diagram_window_model_test";
  std::filesystem::create_directories(dir);
  const auto content = [](const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  };
  DiagramWindowModel model;
  model.Follow("030EA10", "020EA05", true);
  EXPECT_EQ(model.Export(DiagramExport::kCsvVertical, (dir / "v.csv").string()), "");
  EXPECT_EQ(
      content(dir / "v.csv").rfind("# vertical cut; HCM antenna codes: horizontal 030EA10", 0), 0u);
  const auto paint = [](std::FILE* file) { return std::fputs("PNG", file) >= 0; };
  EXPECT_EQ(model.Export(DiagramExport::kPng, (dir / "p.png").string(), paint), "");
  EXPECT_EQ(content(dir / "p.png"), "PNG");
  const std::string missing = (dir / "missing" / "d.svg").string();
  EXPECT_NE(model.Export(DiagramExport::kSvg, missing).find(missing), std::string::npos);
  model.Follow("066EA00", "020EA05", true);
  EXPECT_EQ(model.Export(DiagramExport::kCsvHorizontal, (dir / "h.csv").string()),
            "Die Antennencodes können nicht ausgewertet werden.");
  EXPECT_FALSE(std::filesystem::exists(dir / "h.csv"));
  std::filesystem::remove_all(dir);
}

TEST(DiagramWindowModel, TheStyleIsKeptAsAWord) {
  for (const DiagramStyle style : {DiagramStyle::kPolar, DiagramStyle::kCartesian})
    EXPECT_EQ(DiagramStyleOfSetting(DiagramStyleSetting(style)), style);
  EXPECT_EQ(DiagramStyleOfSetting(""), DiagramStyle::kPolar);
  EXPECT_EQ(DiagramStyleOfSetting("Cartesian"), DiagramStyle::kPolar);
}

}  // namespace
}  // namespace veltrisko
