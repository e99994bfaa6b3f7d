// SPDX-License-Identifier: MIT
// Arbitrary bytes through the reader of a fit worker's part. Aborts when a
// part read does not write back as text that reads as the same part, or when
// merging it misbehaves (the sanitizers watch the merge of restored lists).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fit/fit_part_text.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fit_part_fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrisko;
  const std::optional<FitPart> part =
      FitPartFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!part) return 0;
  const std::string text = FitPartText(*part);
  const std::optional<FitPart> again = FitPartFromText(text);
  Require(again.has_value(), "a part written back does not read");
  Require(FitPartText(*again) == text, "a part written back reads differently");
  const std::size_t cuts = part->found.best.size();
  const CodeFit merged = MergeCodes({part->found, again->found}, cuts > 0, cuts > 1, 3);
  Require(merged.codesSearched == 2 * part->found.codes, "the merge lost codes");
  return 0;
}
