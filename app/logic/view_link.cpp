// SPDX-License-Identifier: MIT
#include "app/logic/view_link.h"

#include <array>
#include <charconv>
#include <cmath>

#include "app/logic/command_line.h"
#include "app/logic/main_menu.h"
#include "dialog/pasted_code.h"
#include "scene/view_angles.h"
#include "text/number_field.h"
#include "text/percent_decoding.h"

namespace veltrisko {
namespace {

// No key is longer; a longer one is unknown without decoding it.
constexpr std::size_t kLongestRawKey = 24;
// Far above any value a key takes (a code of 32 characters fully encoded
// is 96); a longer one is refused without decoding it.
constexpr std::size_t kLongestRawValue = 256;

using Reading = std::optional<ViewLinkNoticeKind>;  // nothing: taken
using ReadValue = Reading (*)(const std::string& value, ViewLink& link);

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

Reading ReadCode(const std::string& value, std::optional<std::string>& into) {
  const std::string_view code = Trimmed(value);
  if (code.empty()) return ViewLinkNoticeKind::kBadValue;
  for (const char c : code) {
    if (c < 0x20 || c > 0x7E) return ViewLinkNoticeKind::kBadValue;
  }
  if (code.size() > static_cast<std::size_t>(kCodeFieldMaxLength))
    return ViewLinkNoticeKind::kCodeTooLong;
  into = std::string(code);
  return std::nullopt;
}

Reading ReadAngle(const std::string& value, std::optional<float>& into) {
  const std::optional<float> angle = ParseFloatField(value);
  if (!angle || !std::isfinite(*angle)) return ViewLinkNoticeKind::kBadValue;
  into = IntoViewerRange(*angle);
  return std::nullopt;
}

Reading ReadDisplay(const std::string& value, ViewLink& link) {
  if (value == "off") {
    link.display = LinkDisplay{};
    return std::nullopt;
  }
  const std::optional<int> range = DbRangeOf(value);
  if (!range) return ViewLinkNoticeKind::kBadValue;
  link.display = LinkDisplay{true, *range};
  return std::nullopt;
}

Reading ReadStep(const std::string& value, ViewLink& link) {
  const std::optional<int> step = WholeNumber(value);
  for (const ResolutionChoice& choice : kResolutionChoices) {
    if (step == choice.step) {
      link.resolutionStep = step;
      return std::nullopt;
    }
  }
  return ViewLinkNoticeKind::kBadValue;
}

struct ValueKey {
  std::string_view name;
  ReadValue read;
};

const ValueKey kValueKeys[] = {
    {"h", [](const std::string& v, ViewLink& l) { return ReadCode(v, l.horizontalCode); }},
    {"v", [](const std::string& v, ViewLink& l) { return ReadCode(v, l.verticalCode); }},
    {"rule",
     [](const std::string& v, ViewLink& l) -> Reading {
       l.useHcmV7 = RuleIsV7(v);
       if (!l.useHcmV7) return ViewLinkNoticeKind::kBadValue;
       return std::nullopt;
     }},
    {"log", ReadDisplay},
    {"az", [](const std::string& v, ViewLink& l) { return ReadAngle(v, l.azimuth); }},
    {"el", [](const std::string& v, ViewLink& l) { return ReadAngle(v, l.elevation); }},
    {"tilt", [](const std::string& v, ViewLink& l) { return ReadAngle(v, l.tilt); }},
    {"step", ReadStep},
};

struct FlagKey {
  std::string_view name;
  std::optional<bool> ViewLink::*flag;
};

const FlagKey kFlagKeys[] = {
    {"grid", &ViewLink::showGrid},
    {"surface", &ViewLink::showSurface},
    {"colour", &ViewLink::falseColour},
    {"hdiag", &ViewLink::showHorizontalDiagram},
    {"vdiag", &ViewLink::showVerticalDiagram},
    {"cut", &ViewLink::showHorizontalCut},
    {"legend", &ViewLink::showLegend},
    {"diff", &ViewLink::showDifference},
};

constexpr std::size_t kKeyCount = std::size(kValueKeys) + std::size(kFlagKeys);

// The place of a key in the table (value keys first), or kKeyCount.
std::size_t KeyIndex(std::string_view key) {
  for (std::size_t i = 0; i < std::size(kValueKeys); ++i)
    if (kValueKeys[i].name == key) return i;
  for (std::size_t i = 0; i < std::size(kFlagKeys); ++i)
    if (kFlagKeys[i].name == key) return std::size(kValueKeys) + i;
  return kKeyCount;
}

std::string_view KeyName(std::size_t index) {
  return index < std::size(kValueKeys) ? kValueKeys[index].name
                                       : kFlagKeys[index - std::size(kValueKeys)].name;
}

Reading ReadKey(std::size_t index, const std::string& value, ViewLink& link) {
  if (index < std::size(kValueKeys)) return kValueKeys[index].read(value, link);
  std::optional<bool>& flag = link.*(kFlagKeys[index - std::size(kValueKeys)].flag);
  if (value != "1" && value != "0") return ViewLinkNoticeKind::kBadValue;
  flag = value == "1";
  return std::nullopt;
}

class LinkReader {
 public:
  void TakePart(std::string_view part) {
    const std::size_t equals = part.find('=');
    const std::string_view rawKey = part.substr(0, equals);
    const std::string_view rawValue =
        equals == std::string_view::npos ? std::string_view() : part.substr(equals + 1);
    if (rawKey.size() > kLongestRawKey) return;
    const std::optional<std::string> key = PercentDecode(rawKey);
    if (!key) return;
    const std::size_t index = KeyIndex(*key);
    if (index == kKeyCount) return;
    if (seen_[index]) {
      Notice(ViewLinkNoticeKind::kRepeatedKey, index, {});
      return;
    }
    seen_[index] = true;
    std::optional<std::string> value;
    if (rawValue.size() <= kLongestRawValue) value = PercentDecode(rawValue);
    if (!value) {
      const bool code = index < 2;  // h or v, the first two keys
      Notice(code && rawValue.size() > kLongestRawValue ? ViewLinkNoticeKind::kCodeTooLong
                                                        : ViewLinkNoticeKind::kBadValue,
             index, rawValue);
      return;
    }
    if (const Reading fault = ReadKey(index, *value, result_.link)) Notice(*fault, index, *value);
  }

  ParsedViewLink Result() && { return std::move(result_); }

 private:
  void Notice(ViewLinkNoticeKind kind, std::size_t index, std::string_view value) {
    std::vector<ViewLinkNotice>& notices = result_.notices;
    if (notices.size() < kMostViewLinkNotices) {
      notices.push_back({kind, std::string(KeyName(index)), QuoteForNotice(value)});
    } else if (notices.size() == kMostViewLinkNotices) {
      notices.push_back({ViewLinkNoticeKind::kMoreIgnored, {}, {}});
    }
  }

  ParsedViewLink result_;
  std::array<bool, kKeyCount> seen_{};
};

bool IsUnreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

void AppendEncoded(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    if (IsUnreserved(c)) {
      out.push_back(c);
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    out += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
  }
}

std::string ShortestDigits(float value) {
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  return error == std::errc() ? std::string(digits, end) : std::string();
}

}  // namespace

ParsedViewLink ParseViewLink(std::string_view fragment) {
  if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
  LinkReader reader;
  std::size_t at = 0;
  while (at <= fragment.size()) {
    std::size_t end = fragment.find('&', at);
    if (end == std::string_view::npos) end = fragment.size();
    if (end > at) reader.TakePart(fragment.substr(at, end - at));
    at = end + 1;
  }
  return std::move(reader).Result();
}

std::string ViewLinkOf(const ViewLink& link) {
  std::vector<std::pair<std::string_view, std::string>> parts;
  if (link.horizontalCode) parts.emplace_back("h", *link.horizontalCode);
  if (link.verticalCode) parts.emplace_back("v", *link.verticalCode);
  if (link.useHcmV7) parts.emplace_back("rule", *link.useHcmV7 ? "v7" : "v6");
  if (link.display)
    parts.emplace_back("log", link.display->logarithmic ? std::to_string(link.display->dbRange)
                                                        : std::string("off"));
  if (link.azimuth) parts.emplace_back("az", ShortestDigits(*link.azimuth));
  if (link.elevation) parts.emplace_back("el", ShortestDigits(*link.elevation));
  if (link.tilt) parts.emplace_back("tilt", ShortestDigits(*link.tilt));
  if (link.resolutionStep) parts.emplace_back("step", std::to_string(*link.resolutionStep));
  for (const FlagKey& key : kFlagKeys) {
    if (const std::optional<bool>& flag = link.*key.flag)
      parts.emplace_back(key.name, *flag ? "1" : "0");
  }
  std::string fragment;
  for (const auto& [key, value] : parts) {
    if (!fragment.empty()) fragment.push_back('&');
    fragment += key;
    fragment.push_back('=');
    AppendEncoded(fragment, value);
  }
  return fragment;
}

std::string QuoteForNotice(std::string_view value) {
  std::string quote;
  for (std::size_t i = 0; i < value.size() && i < kLongestNoticeQuote; ++i) {
    const char c = value[i];
    const bool plain = c >= 0x20 && c <= 0x7E && c != '<' && c != '>' && c != '&' && c != '"' &&
                       c != '\'' && c != '`';
    quote.push_back(plain ? c : '?');
  }
  if (value.size() > kLongestNoticeQuote) quote += "…";
  return quote;
}

}  // namespace veltrisko
