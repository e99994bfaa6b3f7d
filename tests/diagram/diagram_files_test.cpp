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

}  // namespace
}  // namespace veltrisko
