// SPDX-License-Identifier: MIT
#include "app/logic/view_link.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/logic/command_line.h"
#include "tools/cli/option_reader.h"
#include "tools/cli/scene_options.h"

namespace veltrisko {
namespace {

using Kind = ViewLinkNoticeKind;

const std::string kHostile = "<img src=x onerror=alert(1)>";

TEST(ParseViewLink, ReadsKeysAndIgnoresWhatItCannotTake) {
  struct Case {
    std::string fragment;
    ViewLink link;
    std::vector<ViewLinkNotice> notices;
  };
  const Case cases[] = {
      {"#h=030EA10&v=020EA05&rule=v6&log=25&az=30&el=10",
       {.horizontalCode = "030EA10",
        .verticalCode = "020EA05",
        .useHcmV7 = false,
        .display = LinkDisplay{true, 25},
        .azimuth = 30.0f,
        .elevation = 10.0f},
       {}},
      {"", {}, {}},
      {"#&&", {}, {}},
      {"rule=V7&log=off&tilt=-2.5&step=2&grid=0&surface=1&colour=0&hdiag=1&vdiag=0&cut=1&"
       "legend=0&diff=1",
       {.useHcmV7 = true,
        .display = LinkDisplay{},
        .tilt = -2.5f,
        .resolutionStep = 2,
        .showGrid = false,
        .showSurface = true,
        .falseColour = false,
        .showHorizontalDiagram = true,
        .showVerticalDiagram = false,
        .showHorizontalCut = true,
        .showLegend = false,
        .showDifference = true},
       {}},
      // Angles as the command line brings them into the viewer's range.
      {"az=400&el=-180&tilt=-190", {.azimuth = 40.0f, .elevation = 180.0f, .tilt = 170.0f}, {}},
      // Unknown keys, also an empty or overlong one, are ignored silently.
      {"zoom=3&=5&Az=1&" + std::string(100, 'k') + "=1&az=5", {.azimuth = 5.0f}, {}},
      {"az=10&az=20&az=x",
       {.azimuth = 10.0f},
       {{Kind::kRepeatedKey, "az", ""}, {Kind::kRepeatedKey, "az", ""}}},
      {"%61z=%2D12.5&h=030%45A10+&v=%20%09030EA10%20",
       {.horizontalCode = "030EA10+", .verticalCode = "030EA10", .azimuth = -12.5f},
       {}},
      {"h=" + kHostile, {.horizontalCode = kHostile}, {}},
      {"v=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E", {.verticalCode = kHostile}, {}},
      {"az=" + kHostile, {}, {{Kind::kBadValue, "az", "?img src=x onerror=alert…"}}},
      {"az=1%&el=inf&tilt=%205&step=5&grid=yes&log=0&rule=v8&diff",
       {},
       {{Kind::kBadValue, "az", "1%"},
        {Kind::kBadValue, "el", "inf"},
        {Kind::kBadValue, "tilt", " 5"},
        {Kind::kBadValue, "step", "5"},
        {Kind::kBadValue, "grid", "yes"},
        {Kind::kBadValue, "log", "0"},
        {Kind::kBadValue, "rule", "v8"},
        {Kind::kBadValue, "diff", ""}}},
      {"log=41&cut=1&cut=0&h=&v=030%0AEA10",
       {.showHorizontalCut = true},
       {{Kind::kBadValue, "log", "41"},
        {Kind::kRepeatedKey, "cut", ""},
        {Kind::kBadValue, "h", ""},
        {Kind::kBadValue, "v", "030?EA10"}}},
      {"h=" + std::string(33, 'A') + "&v=" + std::string(300, 'B'),
       {},
       {{Kind::kCodeTooLong, "h", std::string(24, 'A') + "…"},
        {Kind::kCodeTooLong, "v", std::string(24, 'B') + "…"}}},
  };
  for (const Case& c : cases) {
    const ParsedViewLink parsed = ParseViewLink(c.fragment);
    EXPECT_EQ(parsed.link, c.link) << c.fragment;
    EXPECT_EQ(parsed.notices, c.notices) << c.fragment;
  }
}

TEST(ParseViewLink, BoundsItsNoticesOnAHugeFragment) {
  std::string fragment = "az=" + std::string(4 << 20, '9') + "&";
  for (int i = 0; i < 100000; ++i) fragment += "grid=1&";
  const ParsedViewLink parsed = ParseViewLink(fragment);
  ASSERT_EQ(parsed.notices.size(), kMostViewLinkNotices + 1);
  EXPECT_EQ(parsed.notices[0], (ViewLinkNotice{Kind::kBadValue, "az", std::string(24, '9') + "…"}));
  EXPECT_EQ(parsed.notices.back().kind, Kind::kMoreIgnored);
  EXPECT_EQ(parsed.link, ViewLink{.showGrid = true});
}

TEST(NoticeText, QuotesSafelyInBothLanguages) {
  const ParsedViewLink parsed = ParseViewLink("az=" + kHostile + "&az=1&h=" + std::string(40, 'x'));
  ASSERT_EQ(parsed.notices.size(), 3u);
  EXPECT_EQ(NoticeText(parsed.notices[0], Language::kGerman),
            "Der Wert „?img src=x onerror=alert…“ für „az“ im Link ist ungültig und wurde "
            "ignoriert.");
  EXPECT_EQ(NoticeText(parsed.notices[1], Language::kEnglish),
            "The link names “az” more than once; the first value holds.");
  EXPECT_EQ(NoticeText(parsed.notices[2], Language::kEnglish),
            "The link's code “xxxxxxxxxxxxxxxxxxxxxxxx…” for “h” is too long for the code field "
            "and was ignored.");
  EXPECT_EQ(NoticeText({Kind::kMoreIgnored, {}, {}}, Language::kGerman),
            "Weitere Fehler im Link wurden ebenfalls ignoriert.");
}

TEST(ViewLinkOf, WritesEveryFieldOfTheViewAndReadsBackExactly) {
  SceneState stepped;
  for (int i = 0; i < 157; ++i) stepped.ChangeAzimuth(-kViewStepRadians);
  for (int i = 0; i < 314; ++i) stepped.ChangeElevation(kViewStepRadians);
  for (int i = 0; i < 7; ++i) stepped.TiltModel(AxisAngles{}, kViewStepRadians);
  stepped.useHcmV7 = false;
  stepped.logScale = true;
  stepped.dbRange = 25.0f;
  stepped.resolutionStep = 2;
  stepped.showGrid = stepped.falseColour = stepped.showHorizontalCut = false;
  const std::pair<SceneState, ViewerExtras> views[] = {
      {SceneState{}, {"030EA00", "030EA00", true, false}},
      {stepped, {" 130VA20 ", "020EA05", false, true}},
      {stepped, {kHostile, "%&=#+ 1", true, true}},
  };
  for (const auto& [scene, extras] : views) {
    const ViewLink link = ViewLinkOfState(scene, extras);
    const ParsedViewLink read = ParseViewLink(ViewLinkOf(link));
    EXPECT_EQ(read.link, link) << ViewLinkOf(link);
    EXPECT_TRUE(read.notices.empty()) << ViewLinkOf(link);
  }
  EXPECT_EQ(ViewLinkOf(ViewLinkOfState(SceneState{}, {"030EA00", "030EA00", true, false})),
            "h=030EA00&v=030EA00&rule=v7&log=off&az=0&el=0&tilt=0&step=6&grid=1&surface=1&"
            "colour=1&hdiag=1&vdiag=1&cut=1&legend=1&diff=0");
  EXPECT_EQ(ViewLinkOfState(stepped, {" 130VA20 ", "", true, false}).horizontalCode, "130VA20");
  for (const std::string& code : {std::string(), std::string(33, 'A'), std::string("03ä")})
    EXPECT_EQ(ViewLinkOfState(stepped, {code, code, true, false}).verticalCode, std::nullopt);
  SceneState odd;
  odd.azimuth = std::nanf("");
  odd.resolutionStep = 7;
  const ViewLink oddLink = ViewLinkOfState(odd, {});
  EXPECT_EQ(oddLink.azimuth, std::nullopt);
  EXPECT_EQ(oddLink.resolutionStep, std::nullopt);
}

TEST(ApplyViewLink, GivesTheSceneOfTheEquivalentStartOptions) {
  // veltrisko-pattern's view options.
  SceneState byTool;
  tool::PatternCodes codes;
  float tilt = 0.0f;
  tool::OptionReader reader("test");
  tool::DeclarePatternOptions(reader, codes, byTool);
  tool::DeclareViewOptions(reader, byTool, tilt);
  ASSERT_EQ(reader.Read({"--horizontal",
                         "030EA10",
                         "--vertical",
                         "020EA05",
                         "--rule",
                         "v6",
                         "--log",
                         "25",
                         "--azimuth",
                         "400",
                         "--elevation",
                         "-190.5",
                         "--tilt",
                         "-33.3",
                         "--step",
                         "3",
                         "--no-grid",
                         "--no-surface",
                         "--no-false-colour",
                         "--no-horizontal-diagram",
                         "--no-vertical-diagram",
                         "--no-cut"}),
            std::nullopt);
  ApplyTilt(byTool, tilt);
  SceneState byLink;
  byLink.TiltModel(AxisAngles{}, 0.5f);  // a tilt before is replaced, not added to
  const ViewLinkForFrontEnd rest = ApplyViewLink(
      ParseViewLink("h=030EA10&v=020EA05&rule=v6&log=25&az=400&el=-190.5&tilt=-33.3&step=3&"
                    "grid=0&surface=0&colour=0&hdiag=0&vdiag=0&cut=0&legend=0&diff=1")
          .link,
      byLink);
  EXPECT_EQ(byLink, byTool);
  EXPECT_EQ(rest.horizontalCode, "030EA10");
  EXPECT_EQ(rest.verticalCode, "020EA05");
  EXPECT_EQ(rest.showLegend, false);
  EXPECT_EQ(rest.showDifference, true);

  // The viewer's own command line, and an empty link that changes nothing.
  SceneState byViewer;
  ApplyStartOptions(byViewer, ParseCommandLine({"--rule", "V6", "--log", "12"}).options);
  SceneState byRuleAndLog;
  ApplyViewLink(ParseViewLink("rule=V6&log=12").link, byRuleAndLog);
  EXPECT_EQ(byRuleAndLog, byViewer);
  ApplyViewLink(ParseViewLink("log=off").link, byRuleAndLog);
  EXPECT_FALSE(byRuleAndLog.logScale);
  const SceneState before = byTool;
  ApplyViewLink(ViewLink{}, byTool);
  EXPECT_EQ(byTool, before);
}

}  // namespace
}  // namespace veltrisko
