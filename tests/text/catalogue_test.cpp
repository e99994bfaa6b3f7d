// SPDX-License-Identifier: MIT
// Every text of the catalogue in both languages; the German texts themselves
// are checked by the tests of the windows that show them.
#include <gtest/gtest.h>

#include <span>
#include <utility>

#include "text/cut_diagram_texts.h"
#include "text/dialog_texts.h"
#include "text/fit_texts.h"
#include "text/language.h"
#include "text/legend_texts.h"
#include "text/menu_texts.h"
#include "text/pattern_file_texts.h"
#include "text/readout_texts.h"
#include "text/view_link_texts.h"

namespace veltrisko {
namespace {

const std::span<const Text> kGroups[] = {
    texts::kMenuTexts,       texts::kDialogTexts, texts::kLegendTexts,      texts::kReadoutTexts,
    texts::kCutDiagramTexts, texts::kFitTexts,    texts::kPatternFileTexts, texts::kViewLinkTexts};

TEST(Catalogue, EveryTextHasBothLanguages) {
  for (const std::span<const Text> group : kGroups) {
    for (const Text& text : group) {
      EXPECT_FALSE(text.de.empty()) << text.en;
      EXPECT_FALSE(text.en.empty()) << text.de;
      for (const std::string_view letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"})
        EXPECT_EQ(text.en.find(letter), std::string_view::npos) << text.en;
    }
  }
}

TEST(Language, CodesAndDecimalSeparators) {
  for (const Language language : {Language::kGerman, Language::kEnglish})
    EXPECT_EQ(LanguageOfCode(CodeOf(language)), language);
  EXPECT_EQ(LanguageOfCode("fr"), std::nullopt);
  EXPECT_EQ(DecimalNumber(3.614, 2, Language::kGerman), "3,61");
  EXPECT_EQ(DecimalNumber(3.614, 2, Language::kEnglish), "3.61");
  EXPECT_EQ(DecimalNumber(-0.001, 1, Language::kEnglish), "0.0");
}

// The page shows menu and button texts without their mnemonics.
TEST(Catalogue, AMnemonicGoesWhereNoKeyIsUnderlined) {
  const std::pair<std::string_view, std::string_view> kCases[] = {{"&Anpassen", "Anpassen"},
                                                                  {"A&bbrechen", "Abbrechen"},
                                                                  {"Drag && Drop", "Drag & Drop"},
                                                                  {"Ende&", "Ende&"},
                                                                  {"", ""},
                                                                  {"&&&x", "&x"}};
  for (const auto& [text, shown] : kCases) EXPECT_EQ(WithoutMnemonic(text), shown) << text;
}

}  // namespace
}  // namespace veltrisko
