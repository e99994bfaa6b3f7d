// SPDX-License-Identifier: MIT
#include "fit/fit_part_text.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace veltrisko {
namespace {

constexpr std::string_view kHeader = "veltrisko-fit-part-1";
constexpr int kHexPerFloat = 8;

void Number(std::string& out, double value) {
  char text[40];
  std::snprintf(text, sizeof text, " %a", value);
  out += text;
}

void Number(std::string& out, std::size_t value) { out += ' ' + std::to_string(value); }

void Code(std::string& out, const RankedCode& code, const CodeCut& cut) {
  out += "\ncode";
  Number(out, code.key);
  Number(out, static_cast<std::size_t>(code.changed));
  out += ' ' + code.code;
  Number(out, static_cast<std::size_t>(code.score.withinEnvelope ? 1 : 0));
  for (const double value : {code.score.sumExcess, code.score.sumAbsExcess, code.score.sumSquares,
                             code.score.maxDeviation}) {
    Number(out, value);
  }
  Number(out, static_cast<std::size_t>(code.score.worstAngle));
  Number(out, code.score.worstExcess);
  Number(out, code.equalCodes.size());
  for (const std::string& equal : code.equalCodes) out += ' ' + equal;
  out += ' ';
  for (const float attenuation : cut) {
    char hex[kHexPerFloat + 1];
    std::snprintf(hex, sizeof hex, "%08x",
                  static_cast<unsigned>(std::bit_cast<std::uint32_t>(attenuation)));
    out += hex;
  }
}

// The text's words, one at a time; any word that is not what is asked for
// fails the reading for good.
class Words {
 public:
  explicit Words(std::string_view text) : text_(text) {}
  bool ok() const { return ok_; }

  std::string_view Word() {
    const std::size_t begin = text_.find_first_not_of(" \n");
    if (begin == std::string_view::npos) {
      ok_ = false;
      return {};
    }
    const std::size_t end = std::min(text_.find_first_of(" \n", begin), text_.size());
    const std::string_view word = text_.substr(begin, end - begin);
    text_.remove_prefix(end);
    return word;
  }
  bool Expect(std::string_view word) {
    if (Word() != word) ok_ = false;
    return ok_;
  }
  bool AtEnd() const { return text_.find_first_not_of(" \n") == std::string_view::npos; }

  double Double() {
    const std::string word(Word());
    char* rest = nullptr;
    errno = 0;
    const double value = std::strtod(word.c_str(), &rest);
    if (word.empty() || rest != word.c_str() + word.size() || !std::isfinite(value)) ok_ = false;
    return value;
  }
  // A whole number up to `most`.
  std::size_t Whole(std::size_t most) {
    const std::string word(Word());
    if (word.empty() || word.size() > 9 ||
        word.find_first_not_of("0123456789") != std::string::npos) {
      ok_ = false;
      return 0;
    }
    const std::size_t value = std::stoul(word);
    if (value > most) ok_ = false;
    return ok_ ? value : 0;
  }

 private:
  std::string_view text_;
  bool ok_ = true;
};

bool ReadCode(Words& words, RankedCode& code, CodeCut& cut) {
  if (!words.Expect("code")) return false;
  code.key = words.Double();
  code.changed = static_cast<int>(words.Whole(1000));
  code.code = std::string(words.Word());
  code.score.withinEnvelope = words.Whole(1) == 1;
  for (double* value : {&code.score.sumExcess, &code.score.sumAbsExcess, &code.score.sumSquares,
                        &code.score.maxDeviation}) {
    *value = words.Double();
  }
  code.score.worstAngle = static_cast<int>(words.Whole(kCutPoints - 1));
  code.score.worstExcess = words.Double();
  const std::size_t equal = words.Whole(1'000'000);
  for (std::size_t e = 0; e < equal && words.ok(); ++e) code.equalCodes.emplace_back(words.Word());
  const std::string_view hex = words.Word();
  if (!words.ok() || hex.size() != static_cast<std::size_t>(kCutPoints * kHexPerFloat) ||
      hex.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
    return false;
  }
  for (int a = 0; a < kCutPoints; ++a) {
    const std::string digits(hex.substr(static_cast<std::size_t>(a * kHexPerFloat), kHexPerFloat));
    cut[a] = std::bit_cast<float>(static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16)));
  }
  return true;
}

std::optional<BestCodes> ReadBest(Words& words) {
  BestCodes::Saved saved;
  if (!words.Expect("best")) return std::nullopt;
  saved.count = static_cast<int>(words.Whole(1'000'000));
  saved.criterion = words.Whole(1) == 1 ? FitCriterion::kRms : FitCriterion::kEnvelope;
  const std::size_t results = words.Whole(1'000'000);
  const std::size_t waiting = words.Whole(1'000'000);
  for (std::size_t r = 0; r < results && words.ok(); ++r) {
    RankedCode code;
    CodeCut cut;
    if (!ReadCode(words, code, cut)) return std::nullopt;
    saved.codes.push_back(std::move(code));
    saved.cuts.push_back(cut);
  }
  for (std::size_t w = 0; w < waiting && words.ok(); ++w) {
    BestCodes::Waiting wait;
    if (!ReadCode(words, wait.code, wait.cut)) return std::nullopt;
    saved.waiting.push_back(std::move(wait));
  }
  if (!words.ok()) return std::nullopt;
  return BestCodes::Restore(std::move(saved));
}

}  // namespace

std::string FitPartText(const FitPart& part) {
  std::string out(kHeader);
  Number(out, static_cast<std::size_t>(part.stage));
  Number(out, part.share.index);
  Number(out, part.share.count);
  Number(out, part.seconds);
  Number(out, part.found.codes);
  Number(out, part.found.best.size());
  for (const BestCodes& best : part.found.best) {
    const BestCodes::Saved saved = best.Save();
    out += "\nbest";
    Number(out, static_cast<std::size_t>(saved.count));
    Number(out, static_cast<std::size_t>(saved.criterion == FitCriterion::kRms ? 1 : 0));
    Number(out, saved.codes.size());
    Number(out, saved.waiting.size());
    for (std::size_t r = 0; r < saved.codes.size(); ++r) Code(out, saved.codes[r], saved.cuts[r]);
    for (const BestCodes::Waiting& w : saved.waiting) Code(out, w.code, w.cut);
  }
  out += '\n';
  return out;
}

std::optional<FitPart> FitPartFromText(std::string_view text) {
  Words words(text);
  FitPart part;
  if (!words.Expect(kHeader)) return std::nullopt;
  part.stage = static_cast<FitStage>(words.Whole(kFitStages - 1));
  part.share.index = words.Whole(1000);
  part.share.count = words.Whole(1000);
  part.seconds = words.Double();
  part.found.codes = words.Whole(999'999'999);
  const std::size_t cuts = words.Whole(2);
  if (!words.ok() || part.share.index >= part.share.count || part.seconds < 0.0)
    return std::nullopt;
  for (std::size_t c = 0; c < cuts; ++c) {
    std::optional<BestCodes> best = ReadBest(words);
    if (!best) return std::nullopt;
    part.found.best.push_back(std::move(*best));
  }
  if (!words.AtEnd()) return std::nullopt;
  return part;
}

}  // namespace veltrisko
