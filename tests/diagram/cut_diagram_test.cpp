// SPDX-License-Identifier: MIT
#include "diagram/cut_diagram.h"

#include <gtest/gtest.h>

#include <numeric>

#include "diagram/diagram_texts.h"
#include "diagram/imported_cut.h"
#include "tests/diagram/curve_of.h"

namespace veltrisko {
namespace {

DiagramInput WithImportedFile(DiagramStyle style, const std::string& name = "Messung Süd.msi") {
  DiagramInput input = ComputeDiagramInput("030EA10", "020EA05", false);
  input.style = style;
  input.importedName = name;
  CutLosses losses{};
  for (int a = 0; a < kCutPoints; ++a) losses[a] = a % 40;
  input.importedHorizontal = ImportedGains(CutKind::kHorizontal, losses);
  input.importedVertical = ImportedGains(CutKind::kVertical, losses);
  input.importedVerticalBack = ImportedVerticalBackGains(losses);
  return input;
}

std::vector<const Label*> Labels(const Drawing& drawing, LabelRole role) {
  std::vector<const Label*> labels;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* label = std::get_if<Label>(&shape); label && label->role == role)
      labels.push_back(label);
  }
  return labels;
}

constexpr DiagramStyle kStyles[] = {DiagramStyle::kPolar, DiagramStyle::kCartesian};
constexpr CutKind kKinds[] = {CutKind::kHorizontal, CutKind::kVertical};

TEST(CutDiagram, EveryPlotNamesTheCodesTheRuleAndTheFile) {
  for (const DiagramStyle style : kStyles) {
    for (const CutKind kind : kKinds) {
      const Drawing plot =
          DescribeCutPlot(WithImportedFile(style), kind, 500, 500, EstimatedTextWidth).drawing;
      std::string identity;
      for (const Label* label : Labels(plot, LabelRole::kIdentity)) identity += label->text + "|";
      EXPECT_EQ(identity, "hor. 030EA10   vert. 020EA05   HCM V6|Datei: Messung Süd.msi|");
    }
  }
}

TEST(CutDiagram, TheImportedCurveIsSwitchableAndRead) {
  for (const DiagramStyle style : kStyles) {
    DiagramInput input = WithImportedFile(style);
    // The polar vertical plot is the whole circle, front and back.
    const std::size_t verticalPoints = style == DiagramStyle::kPolar ? 361u : 181u;
    for (const auto& [kind, points] : {std::pair{CutKind::kHorizontal, std::size_t{361}},
                                       std::pair{CutKind::kVertical, verticalPoints}}) {
      const Drawing plot = DescribeCutPlot(input, kind, 500, 500, EstimatedTextWidth).drawing;
      ASSERT_NE(CurveOf(plot, DiagramCurve::kImported), nullptr);
      EXPECT_EQ(CurveOf(plot, DiagramCurve::kImported)->points.size(), points);
      EXPECT_EQ(CurveOf(plot, DiagramCurve::kV6)->points.size(), points);
    }
    input.visible[static_cast<int>(DiagramCurve::kImported)] = false;
    const Drawing hidden =
        DescribeCutPlot(input, CutKind::kHorizontal, 500, 500, EstimatedTextWidth).drawing;
    EXPECT_EQ(CurveOf(hidden, DiagramCurve::kImported), nullptr);
    EXPECT_NE(CurveOf(hidden, DiagramCurve::kV7), nullptr);
  }
  // Azimut -90 is the file's angle 270, elevation 30 (above) its angle 330.
  const DiagramInput input = WithImportedFile(DiagramStyle::kPolar);
  const std::string h = DiagramReading(input, CutKind::kHorizontal, -90.2);
  EXPECT_NE(h.find("Azimut -90,0°"), std::string::npos) << h;
  EXPECT_NE(h.find(",  Datei Messung Süd.msi -30,00 dB"), std::string::npos) << h;
  const std::string v = DiagramReading(input, CutKind::kVertical, 30.0);
  EXPECT_NE(v.find(",  Datei Messung Süd.msi -10,00 dB"), std::string::npos) << v;
  EXPECT_EQ(CurveBoxText(input, DiagramCurve::kImported), "Datei: Messung Süd.msi");
}

TEST(CutDiagram, EveryKeyEntryIsWholeAndApart) {
  const std::string longName = "Messung Sektorantenne Nord 2024-05-17 Elevation.msi";
  for (const DiagramStyle style : kStyles) {
    for (const double width : {230.0, 420.0, 560.0, 900.0}) {
      const Drawing plot = DescribeCutPlot(WithImportedFile(style, longName), CutKind::kHorizontal,
                                           width, 520, EstimatedTextWidth)
                               .drawing;
      const std::vector<const Label*> key = Labels(plot, LabelRole::kKey);
      ASSERT_EQ(key.size(), 6u) << width;
      for (std::size_t i = 0; i < key.size(); ++i) {
        const double right = key[i]->at.x + EstimatedTextWidth(key[i]->text, key[i]->size, false);
        EXPECT_GE(key[i]->at.x, 0.0) << key[i]->text << " at " << width;
        EXPECT_LE(right, width) << key[i]->text << " at " << width;
        // The next entry on the same row starts after this one's text.
        if (i + 1 < key.size() && key[i + 1]->at.y == key[i]->at.y) {
          EXPECT_LT(right, key[i + 1]->at.x) << key[i]->text << " at " << width;
        }
      }
      if (style == DiagramStyle::kPolar) {
        EXPECT_EQ(key[4]->text, "|V6 − V7| (Mitte 0, je Ring +10 dB)");
      }
    }
  }
}

TEST(CutDiagram, TheMouseReadsTheAngleWhereACurvePointIsDrawn) {
  for (const DiagramStyle style : kStyles) {
    for (const CutKind kind : kKinds) {
      const CutPlot plot =
          DescribeCutPlot(WithImportedFile(style), kind, 600, 500, EstimatedTextWidth);
      const Polyline* v7 = CurveOf(plot.drawing, DiagramCurve::kV7);
      // The polar vertical plot runs once round the circle, -180 .. 180.
      const bool circle = kind == CutKind::kVertical && style == DiagramStyle::kPolar;
      const std::vector<float> angles = CutAngles(circle ? CutKind::kHorizontal : kind, 1.0f);
      for (const std::size_t i : {10u, 100u, 150u, 300u}) {
        if (i >= v7->points.size()) continue;
        const std::optional<double> angle = CutAngleAt(plot.frame, v7->points[i]);
        ASSERT_TRUE(angle) << i;
        EXPECT_NEAR(*angle, angles[i], 1e-6) << int(style) << " " << int(kind) << " " << i;
      }
      EXPECT_FALSE(CutAngleAt(plot.frame, {1.0, 1.0}));
    }
  }
}

TEST(ImportedCut, FileAnglesMapOntoTheCutsAngles) {
  CutLosses losses{};
  std::iota(losses.begin(), losses.end(), 0.0);
  const struct {
    CutKind kind;
    std::size_t index;  // in the cut's angles at 1 degree
    float gain;
  } cases[] = {{CutKind::kHorizontal, 0, -180.0f}, {CutKind::kHorizontal, 90, -270.0f},
               {CutKind::kHorizontal, 181, -1.0f}, {CutKind::kHorizontal, 360, -180.0f},
               {CutKind::kVertical, 0, -90.0f},    {CutKind::kVertical, 90, 0.0f},
               {CutKind::kVertical, 120, -330.0f}, {CutKind::kVertical, 180, -270.0f}};
  for (const auto& c : cases) {
    EXPECT_EQ(ImportedGains(c.kind, losses)[c.index], c.gain) << c.index;
  }
}

}  // namespace
}  // namespace veltrisko
