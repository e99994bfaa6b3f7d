// SPDX-License-Identifier: MIT
#include "app/logic/legend_drawing.h"

#include <gtest/gtest.h>

#include <string>

#include "app/logic/code_feedback.h"
#include "app/logic/difference_legend.h"
#include "app/logic/pattern_file_legend.h"

namespace veltrisko {
namespace {

std::vector<std::string> TextsOf(const Drawing& drawing, LabelRole role) {
  std::vector<std::string> texts;
  for (const Label* label : LabelsOf(drawing, role)) texts.push_back(label->text);
  return texts;
}

// The legend's lines and keys moved away from their usual places: code must
// find them by their role.
InfoLegendContent Moved(InfoLegendContent content) {
  for (TextLine& line : content.lines) line.x += 3, line.y += 7;
  for (KeyEntry& key : content.keys) key.y += 3;
  return content;
}

TEST(LegendRoles, RejectedCodesAndTheDifferenceAreFoundByRoleNotByPlace) {
  struct Case {
    const char* horizontal;
    const char* vertical;
    std::vector<std::string> rejected;
  };
  const Case cases[] = {
      {"030EA00", "020EA05", {}},
      {"000EA10", "020EA05", {"hor.:  000EA10"}},
      {"030EA00", "000EA10", {"vert.: 000EA10"}},
      {"000EA10", "000TA00", {"hor.:  000EA10", "vert.: 000TA00"}},
  };
  SceneState scene;
  scene.showSurface = true;
  for (const Case& c : cases) {
    InfoLegendContent content = Moved(InfoLegendOf(scene, c.horizontal, c.vertical));
    MarkRejectedCodes(content, c.horizontal, c.vertical);
    ShowDifferenceInInfoLegend(content, 4.5f);
    const Drawing drawing = InfoLegendDrawing(content);
    EXPECT_EQ(TextsOf(drawing, LabelRole::kRejectedCode), c.rejected) << c.horizontal;
    EXPECT_EQ(TextsOf(drawing, LabelRole::kHorizontalCode).size() +
                  TextsOf(drawing, LabelRole::kVerticalCode).size() + c.rejected.size(),
              2u)
        << c.horizontal;
    EXPECT_EQ(TextsOf(drawing, LabelRole::kSurfaceKey),
              std::vector<std::string>{DifferenceLabel(4.5f)});
  }
}

TEST(InfoLegendDrawing, KeysAsOutlinedSwatchesAndLinesInTheInterfaceFace) {
  SceneState scene;
  scene.showSurface = false;
  scene.showGrid = true;
  InfoLegendContent content = InfoLegendOf(scene, "030EA00", "000EA10");
  MarkRejectedCodes(content, "030EA00", "000EA10");
  ShowPatternFileInInfoLegend(content, "pair.msi");
  const Drawing drawing = InfoLegendDrawing(content);

  EXPECT_EQ(drawing.width, 218);
  EXPECT_EQ(drawing.height, 202);  // grown by the file's line
  EXPECT_EQ(drawing.background, (Rgb{255, 255, 200}));
  EXPECT_FALSE(drawing.smooth);
  // Each key: its swatch, then its label 12 pixels right of the key's x.
  ASSERT_EQ(drawing.shapes.size(), 2 * content.keys.size() + content.lines.size());
  for (std::size_t k = 0; k < content.keys.size(); ++k) {
    const KeyEntry& key = content.keys[k];
    const auto& swatch = std::get<FilledRect>(drawing.shapes[2 * k]);
    EXPECT_EQ(swatch.at.x, key.x + 1);
    EXPECT_EQ(swatch.at.y, key.y + 5);
    EXPECT_EQ(swatch.width, 7);
    EXPECT_EQ(swatch.height, 7);
    EXPECT_EQ(swatch.fill, RgbOf(key.colour));
    EXPECT_EQ(swatch.outline, (Rgb{64, 64, 64}));
    const auto& label = std::get<Label>(drawing.shapes[2 * k + 1]);
    EXPECT_EQ(label.text, key.label);
    EXPECT_EQ(label.at.x, key.x + 12);
  }
  struct Line {
    LabelRole role;
    std::string text;
    Rgb colour;
    bool underline;
    double maxWidth;
  };
  const Line lines[] = {
      {LabelRole::kSurfaceKey, "3D-Richtcharakteristik (Gitter)", {0, 0, 0}, false, 0},
      {LabelRole::kHorizontalCode, "hor.:  030EA00", {0, 0, 0}, false, 0},
      {LabelRole::kRejectedCode, "vert.: 000EA10", {200, 0, 0}, true, 0},
      {LabelRole::kFile, "Datei: pair.msi", {0, 0, 0}, false, 201},
  };
  for (const Line& line : lines) {
    const std::vector<const Label*> found = LabelsOf(drawing, line.role);
    ASSERT_EQ(found.size(), 1u) << line.text;
    EXPECT_EQ(found[0]->text, line.text);
    EXPECT_EQ(found[0]->colour, line.colour) << line.text;
    EXPECT_EQ(found[0]->underline, line.underline) << line.text;
    EXPECT_EQ(found[0]->maxWidth, line.maxWidth) << line.text;
    EXPECT_EQ(found[0]->face, Face::kInterface) << line.text;
    EXPECT_EQ(found[0]->line, LineAnchor::kTop) << line.text;
    EXPECT_EQ(found[0]->size, 11) << line.text;
  }
}

TEST(ColourLegendDrawing, BandsOverTheFullHeightUnderTheTwoScaleEnds) {
  SceneState scene;
  scene.logScale = true;
  const Drawing drawing = ColourLegendDrawing(ColourLegendOf(scene));
  EXPECT_EQ(drawing.width, 398);
  EXPECT_EQ(drawing.height, 22);
  ASSERT_EQ(drawing.shapes.size(), 51u + 2u);
  double right = 0.0;
  for (std::size_t k = 0; k < 51; ++k) {
    const auto& band = std::get<FilledRect>(drawing.shapes[k]);
    EXPECT_EQ(band.at.x, right);
    EXPECT_EQ(band.height, 22);
    EXPECT_FALSE(band.outline);
    right = band.at.x + band.width;
  }
  EXPECT_GE(right, drawing.width);
  struct End {
    std::size_t shape;
    std::string text;
    double x;
    Anchor anchor;
  };
  const End ends[] = {{51, "-40 dB", 2, Anchor::kStart}, {52, "0 dB", 396, Anchor::kEnd}};
  for (const End& end : ends) {
    const auto& label = std::get<Label>(drawing.shapes[end.shape]);
    EXPECT_EQ(label.role, LabelRole::kScaleEnd);
    EXPECT_EQ(label.text, end.text);
    EXPECT_EQ(label.at.x, end.x);
    EXPECT_EQ(label.at.y, 0);
    EXPECT_EQ(label.anchor, end.anchor);
    EXPECT_EQ(label.weight, 600);
    EXPECT_EQ(label.colour, (Rgb{250, 250, 250}));
  }
}

}  // namespace
}  // namespace veltrisko
