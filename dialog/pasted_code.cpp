// SPDX-License-Identifier: MIT
#include "dialog/pasted_code.h"

#include <vector>

namespace veltrisko {
namespace {

// The length of the white space at `at`: ASCII blank, tab, line ends, and the
// UTF-8 no-break space that web pages and spreadsheets put between cells.
std::size_t SpaceAt(std::string_view text, std::size_t at) {
  const char c = text[at];
  if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') return 1;
  if (c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0') return 2;
  return 0;
}

}  // namespace

TidiedCodeText TidyCodeText(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    if (const std::size_t space = SpaceAt(text, at)) {
      at += space;
      continue;
    }
    const std::size_t start = at;
    while (at < text.size() && SpaceAt(text, at) == 0) ++at;
    words.push_back(text.substr(start, at - start));
  }
  if (words.empty()) return {};
  if (words.size() == 2) return {std::string(words[0]), std::string(words[1])};
  // Inner white space of any other text stays: the field shows what was typed.
  const std::size_t begin = words.front().data() - text.data();
  const std::size_t end = words.back().data() + words.back().size() - text.data();
  return {std::string(text.substr(begin, end - begin)), std::nullopt};
}

}  // namespace veltrisko
