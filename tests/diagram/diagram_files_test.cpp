// SPDX-License-Identifier: MIT
#include "diagram/diagram_files.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(DiagramFiles, CsvNamesItsSourceAndCarriesTheImportedColumn) {
  DiagramInput input = ComputeDiagramInput("030EA10", "020EA05", true);
  const std::string plain = DiagramCsv(input, CutKind::kVertical);
  EXPECT_EQ(plain.substr(0, plain.find('\n', plain.find('\n') + 1) + 1),
            "# vertical cut; HCM antenna codes: horizontal 030EA10, vertical 020EA05; rule HCM "
            "V7\nazimuth,elevation,horizontal_gain_db,vertical_gain_db,v6_attenuation_db,"
            "v7_attenuation_db,difference_db\n");
  input.importedName = "pair.msi";
  input.importedHorizontal = std::vector<float>(361, -2.5f);
  const std::string csv = DiagramCsv(input, CutKind::kHorizontal);
  EXPECT_NE(csv.find("rule HCM V7; imported file: pair.msi\n"), std::string::npos);
  EXPECT_NE(csv.find(",difference_db,imported_gain_db\n"), std::string::npos);
  EXPECT_NE(csv.find("\n0,0,0,0,0,0,0,-2.5\n"), std::string::npos) << csv;
  EXPECT_EQ(DiagramCsv(ComputeDiagramInput("066EA00", "020EA05", true), CutKind::kVertical), "");
}

TEST(DiagramFiles, SvgHoldsTheIdentityEscapedAndEveryShape) {
  DiagramInput input = ComputeDiagramInput("030EA10", "020EA05", false);
  input.importedName = "A&B <1>.msi";
  input.importedVertical = std::vector<float>(181, -1.0f);
  const std::string svg = DiagramSvg(input);
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  EXPECT_NE(svg.find("<title>Veltrisko 2D-Diagramme: hor. 030EA10   vert. 020EA05   HCM V6   "
                     "Datei: A&amp;B &lt;1&gt;.msi</title>"),
            std::string::npos);
  const Drawing page =
      DescribeDiagramPage(input, kDiagramPageWidth, kDiagramPageHeight, EstimatedTextWidth);
  std::size_t elements = 0;
  for (std::size_t at = svg.find("\n<", 0); at != std::string::npos; at = svg.find("\n<", at + 1))
    ++elements;
  // <svg>, <title>, the background, the shapes, </svg>.
  EXPECT_EQ(elements, 3 + page.shapes.size() + 1);
}

TEST(DiagramFiles, SvgDrawsTheLegendsVocabulary) {
  Label marked;
  marked.text = "vert.: 000EA10";
  marked.at = {122, 114};
  marked.size = 11;
  marked.colour = {200, 0, 0};
  marked.line = LineAnchor::kTop;
  marked.underline = true;
  Label end = marked;
  end.text = "0 dB";
  end.colour = {250, 250, 250};
  end.line = LineAnchor::kBaseline;
  end.underline = false;
  end.weight = 600;
  Label file = end;
  file.text = "Datei: a-very-long-measurement-name.msi";
  file.weight = 400;
  file.maxWidth = 100;
  struct Case {
    Shape shape;
    std::string element;
  };
  const Case cases[] = {
      {FilledRect{{11, 15}, 7, 7, {255, 0, 0}, Rgb{64, 64, 64}},
       "<rect x=\"11.5\" y=\"15.5\" width=\"6\" height=\"6\" fill=\"#ff0000\" "
       "stroke=\"#404040\" stroke-width=\"1\"/>"},
      {FilledRect{{4, 0}, 8, 22, {0, 0, 255}, std::nullopt},
       "<rect x=\"4\" y=\"0\" width=\"8\" height=\"22\" fill=\"#0000ff\"/>"},
      {marked,
       "<text x=\"122\" y=\"114\" font-size=\"11\" text-anchor=\"start\" "
       "dominant-baseline=\"text-before-edge\" text-decoration=\"underline\" "
       "fill=\"#c80000\">vert.: 000EA10</text>"},
      {end,
       "<text x=\"122\" y=\"114\" font-size=\"11\" text-anchor=\"start\" "
       "font-weight=\"600\" fill=\"#fafafa\">0 dB</text>"},
      {file,
       "<text x=\"122\" y=\"114\" font-size=\"11\" text-anchor=\"start\" "
       "fill=\"#fafafa\">Datei…name.msi</text>"},
  };
  for (const Case& c : cases) {
    Drawing drawing{218, 182, {c.shape}};
    drawing.background = {255, 255, 200};
    const std::string svg = DrawingSvg(drawing, "Legende");
    EXPECT_NE(svg.find("<rect width=\"218\" height=\"182\" fill=\"#ffffc8\"/>\n" + c.element +
                       "\n</svg>"),
              std::string::npos)
        << svg;
  }
}

}  // namespace
}  // namespace veltrisko
