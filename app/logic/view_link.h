// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scene/scene_state.h"
#include "text/language.h"

// A view as a link: the address fragment that a shared link to the viewer
// carries, e.g. "#h=030EA10&v=020EA05&rule=v6&log=25&az=30&el=10".
//
// | key       | value                    | what it sets                                  |
// |-----------|--------------------------|-----------------------------------------------|
// | `h`       | antenna code             | the horizontal code, as if typed in its field |
// | `v`       | antenna code             | the vertical code, as if typed in its field   |
// | `rule`    | `v6` or `v7`             | the HCM rule                                  |
// | `log`     | 1 to 40, or `off`        | logarithmic display over that many dB; linear |
// | `az`      | degrees                  | the azimuth of the antenna's main direction   |
// | `el`      | degrees                  | the elevation of the antenna's main direction |
// | `tilt`    | degrees                  | the model's tilt from the reset view          |
// | `step`    | 15, 10, 6, 3 or 2        | the resolution (sampling step in degrees)     |
// | `grid`    | 1 or 0                   | "Gitternetz" shown or hidden                  |
// | `surface` | 1 or 0                   | "Oberfläche"                                  |
// | `colour`  | 1 or 0                   | "Falschfarbendarstellung"                     |
// | `hdiag`   | 1 or 0                   | "horizontale Richtcharakteristik"             |
// | `vdiag`   | 1 or 0                   | "vertikale Richtcharakteristik"               |
// | `cut`     | 1 or 0                   | "horizontaler Schnitt"                        |
// | `legend`  | 1 or 0                   | "Legende"                                     |
// | `diff`    | 1 or 0                   | "Unterschied V6/V7", the difference view      |
//
// Parts are separated by '&'; a leading '#' and empty parts are skipped. Keys
// and values are percent-decoded ("%XX"; '+' stays a plus sign). Numbers
// follow the command line: rule and dB range as the viewer's --rule and
// --log, angles as veltrisko-pattern's --azimuth, --elevation and --tilt
// (a whole-field number, brought into the viewer's range by whole turns). A
// code is trimmed and otherwise kept as given, printable ASCII of at most
// the code field's length; the viewer reads it as a typed code. An absent
// key keeps what the viewer shows, an unknown key is ignored silently, a bad
// value and every repeat of a key (the first one holds) are ignored with a
// notice.

namespace veltrisko {

// How the pattern is displayed: linear, or logarithmic over `dbRange` dB.
struct LinkDisplay {
  bool logarithmic = false;
  int dbRange = 0;  // 1 to 40 when logarithmic, else 0

  bool operator==(const LinkDisplay&) const = default;
};

// What a link asks for; each field absent where the link does not say.
struct ViewLink {
  std::optional<std::string> horizontalCode{};
  std::optional<std::string> verticalCode{};
  std::optional<bool> useHcmV7{};
  std::optional<LinkDisplay> display{};
  std::optional<float> azimuth{};    // degrees, in the viewer's range
  std::optional<float> elevation{};  // degrees, in the viewer's range
  std::optional<float> tilt{};       // degrees, in the viewer's range
  std::optional<int> resolutionStep{};
  std::optional<bool> showGrid{};
  std::optional<bool> showSurface{};
  std::optional<bool> falseColour{};
  std::optional<bool> showHorizontalDiagram{};
  std::optional<bool> showVerticalDiagram{};
  std::optional<bool> showHorizontalCut{};
  std::optional<bool> showLegend{};
  std::optional<bool> showDifference{};

  bool operator==(const ViewLink&) const = default;
};

enum class ViewLinkNoticeKind {
  kBadValue,     // the value is not one the key takes
  kCodeTooLong,  // a code longer than the code field takes
  kRepeatedKey,  // the key came before; its first value holds
  kMoreIgnored,  // the last notice: more faults were ignored without one
};

// One fault of a link, for the notice the viewer shows. `key` is one of the
// table's keys; `quote` is the value made safe by QuoteForNotice.
struct ViewLinkNotice {
  ViewLinkNoticeKind kind;
  std::string key;
  std::string quote;

  bool operator==(const ViewLinkNotice&) const = default;
};

// At most this many notices, then one of kind kMoreIgnored.
inline constexpr std::size_t kMostViewLinkNotices = 8;
// A notice quotes at most this many characters of a value.
inline constexpr std::size_t kLongestNoticeQuote = 24;

struct ParsedViewLink {
  ViewLink link;
  std::vector<ViewLinkNotice> notices;
};

// Reads a fragment, in time linear in its length.
ParsedViewLink ParseViewLink(std::string_view fragment);

// The fragment for a link, without the leading '#': every field the link
// holds, in the table's order, percent-encoded where needed, angles with the
// shortest digits that read back to the same float. ParseViewLink gives the
// link back unchanged and without notices for every link it produced.
std::string ViewLinkOf(const ViewLink& link);

// What the viewer shows besides its scene.
struct ViewerExtras {
  std::string horizontalCode;
  std::string verticalCode;
  bool showLegend = true;
  bool showDifference = false;
};

// The link to the view shown now: every field, so that the link shows the
// same view whatever the opening viewer shows before. What the link cannot
// carry is left out: a code that is empty, not printable ASCII or too long,
// an angle that is not finite, a step the menu does not offer.
ViewLink ViewLinkOfState(const SceneState& scene, const ViewerExtras& extras);

// What a link asks of the front end beyond the scene.
struct ViewLinkForFrontEnd {
  std::optional<std::string> horizontalCode;  // to be typed into its field
  std::optional<std::string> verticalCode;
  std::optional<bool> showLegend;
  std::optional<bool> showDifference;
};

// Puts the link's rule, display, angles, resolution and display options into
// the scene as the command line's start options do (a tilt starts from the
// reset view); returns the rest.
ViewLinkForFrontEnd ApplyViewLink(const ViewLink& link, SceneState& scene);

// A value as a notice may quote it: at most kLongestNoticeQuote characters,
// each printable ASCII other than < > & " ' and `, anything else as '?', and
// "…" after a shortened one.
std::string QuoteForNotice(std::string_view value);

// The notice as a person reads it, in the given language (UTF-8, plain text).
std::string NoticeText(const ViewLinkNotice& notice, Language language);

}  // namespace veltrisko
