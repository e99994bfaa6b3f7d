// SPDX-License-Identifier: MIT
// Arbitrary bytes as the address fragment of a link to a view. Aborts when
// the notices are unbounded, when a notice's text is not plain, valid UTF-8
// (markup characters, control characters), when the link holds a value the
// viewer cannot show, or when the link written back reads differently.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/logic/view_link.h"
#include "tools/cli/text_encoding.h"

namespace {

using namespace veltrisko;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "view_link_fuzz: %s\n", what);
    std::abort();
  }
}

// Plain text the page may insert anywhere: UTF-8 without markup characters
// and without C0 or C1 control characters.
bool IsPlainText(std::string_view text) {
  if (!tool::IsUtf8(text)) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return false;
    if (text[i] == '<' || text[i] == '>' || text[i] == '&' || text[i] == '"') return false;
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
      return false;
  }
  return true;
}

bool InViewerRange(const std::optional<float>& angle) {
  return !angle || (std::isfinite(*angle) && *angle > -180.0f && *angle < 360.0f);
}

void RequireShowable(const ViewLink& link) {
  Require(InViewerRange(link.azimuth), "azimuth outside the viewer's range");
  Require(InViewerRange(link.elevation), "elevation outside the viewer's range");
  Require(InViewerRange(link.tilt), "tilt outside the viewer's range");
  if (const std::optional<int> s = link.resolutionStep)
    Require(*s == 15 || *s == 10 || *s == 6 || *s == 3 || *s == 2,
            "step the viewer does not offer");
  if (link.display)
    Require(link.display->logarithmic ? link.display->dbRange >= 1 && link.display->dbRange <= 40
                                      : link.display->dbRange == 0,
            "dB range the dialog does not offer");
  for (const std::optional<std::string>& code : {link.horizontalCode, link.verticalCode}) {
    if (!code) continue;
    Require(!code->empty() && code->size() <= 32, "code the field cannot take");
    for (const char c : *code) Require(c >= 0x20 && c <= 0x7E, "code not printable ASCII");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view fragment(reinterpret_cast<const char*>(data), size);
  const ParsedViewLink parsed = ParseViewLink(fragment);
  const std::vector<ViewLinkNotice>& notices = parsed.notices;
  Require(notices.size() <= kMostViewLinkNotices + 1, "more notices than the bound");
  for (std::size_t i = 0; i < notices.size(); ++i) {
    Require((notices[i].kind == ViewLinkNoticeKind::kMoreIgnored) == (i == kMostViewLinkNotices),
            "'more ignored' not exactly after the last notice");
    for (const Language language : {Language::kGerman, Language::kEnglish})
      Require(IsPlainText(NoticeText(notices[i], language)), "notice text not plain");
  }
  RequireShowable(parsed.link);

  const ParsedViewLink again = ParseViewLink(ViewLinkOf(parsed.link));
  Require(again.link == parsed.link, "the link written back reads differently");
  Require(again.notices.empty(), "the link written back has notices");

  SceneState scene;
  const ViewLinkForFrontEnd rest = ApplyViewLink(parsed.link, scene);
  Require(rest.horizontalCode == parsed.link.horizontalCode, "horizontal code not passed on");
  for (const float element : scene.modelRotation.element)
    Require(std::isfinite(element), "tilt made the rotation non-finite");
  return 0;
}
