// SPDX-License-Identifier: MIT
#include "interchange/pattern_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "interchange/csv_format.h"
#include "interchange/msi_format.h"

namespace veltrisko {
namespace {

PatternCuts SampleCuts() {
  PatternCuts cuts;
  for (int a = 0; a < kCutPoints; ++a) {
    // Single precision, as the model's attenuations are.
    cuts.horizontal[a] = static_cast<float>(a * 0.1137);
    cuts.vertical[a] = static_cast<float>(40.0 - a * 0.1);
  }
  return cuts;
}

TEST(PatternFile, WrittenFilesReadBackInBothFormats) {
  const PatternCuts cuts = SampleCuts();
  const std::string msi = FormatMsiPattern(cuts, {"Test antenna", 2.5, "codes 030EA10/020EA05"});
  const std::string csv = FormatCsvPattern(cuts);
  for (const auto& [text, format] :
       {std::pair{msi, PatternFormat::kMsi}, std::pair{csv, PatternFormat::kCsv}}) {
    const PatternReading reading = ParsePatternText(text, format);
    ASSERT_TRUE(reading.file) << reading.error;
    ASSERT_TRUE(reading.file->horizontal && reading.file->vertical);
    const CutLosses horizontal = LossesOnDegreeGrid(*reading.file->horizontal);
    const CutLosses vertical = LossesOnDegreeGrid(*reading.file->vertical);
    for (int a = 0; a < kCutPoints; ++a) {
      // Written in hundredths, rounded up.
      EXPECT_GE(horizontal[a], cuts.horizontal[a]);
      EXPECT_LT(horizontal[a], cuts.horizontal[a] + 0.01);
      EXPECT_GE(vertical[a], cuts.vertical[a]);
      EXPECT_LT(vertical[a], cuts.vertical[a] + 0.01);
    }
  }
  const PatternFile file = *ParsePatternText(msi, PatternFormat::kMsi).file;
  EXPECT_EQ(file.Metadata("name"), "Test antenna");
  EXPECT_EQ(file.Metadata("GAIN"), "2.5 dBi");
  EXPECT_EQ(file.Metadata("Comment"), "codes 030EA10/020EA05");
  EXPECT_EQ(FormatOfText(csv), PatternFormat::kCsv);
  EXPECT_EQ(FormatOfText(msi), PatternFormat::kMsi);
}

TEST(PatternFile, MsiReadingIsTolerant) {
  const std::string text =
      "name Odd file\r\n\r\nFrequency 450\r\nPOLARIZATION V\r\nhorizontal 3\r\n"
      "180 20\r\n0 0\r\n\r\n90.5 10\r\nVertical 1\r\n360 4\r\n";
  const PatternReading reading = ParsePatternText(text, PatternFormat::kMsi);
  ASSERT_TRUE(reading.file) << reading.error;
  EXPECT_EQ(reading.file->Metadata("POLARIZATION"), "V");
  EXPECT_EQ(reading.file->Metadata("frequency"), "450");
  const CutLosses horizontal = LossesOnDegreeGrid(*reading.file->horizontal);
  EXPECT_DOUBLE_EQ(horizontal[0], 0.0);
  EXPECT_DOUBLE_EQ(horizontal[45], 10.0 * 45 / 90.5);
  EXPECT_DOUBLE_EQ(horizontal[180], 20.0);
  // Around the turn: from 20 dB at 180 back to 0 dB at 360.
  EXPECT_DOUBLE_EQ(horizontal[270], 10.0);
  const CutLosses vertical = LossesOnDegreeGrid(*reading.file->vertical);
  EXPECT_DOUBLE_EQ(vertical[123], 4.0);
}

TEST(PatternFile, CsvOfOneCutNamesItByItsHeader) {
  const PatternReading vertical =
      ParsePatternText("# measured\nangle;vertical loss\n0;0\n180;15\n", PatternFormat::kCsv);
  ASSERT_TRUE(vertical.file) << vertical.error;
  EXPECT_FALSE(vertical.file->horizontal);
  ASSERT_TRUE(vertical.file->vertical);
  EXPECT_DOUBLE_EQ(LossesOnDegreeGrid(*vertical.file->vertical)[90], 7.5);
  const PatternReading horizontal = ParsePatternText("0\t1\n90\t2\n", PatternFormat::kCsv);
  ASSERT_TRUE(horizontal.file) << horizontal.error;
  EXPECT_TRUE(horizontal.file->horizontal && !horizontal.file->vertical);
}

TEST(PatternFile, RefusesMalformedFilesNamingTheLine) {
  struct Case {
    PatternFormat format;
    const char* text;
    const char* message;
  };
  const PatternFormat msi = PatternFormat::kMsi;
  const PatternFormat csv = PatternFormat::kCsv;
  for (const Case& c : {
           Case{msi, "NAME x\nHORIZONTAL 1\n0 0\n", "line 3: the file ends without a VERTICAL"},
           Case{msi, "HORIZONTAL 3\n0 0\n1 1\nVERTICAL 1\n0 0\n",
                "line 4: 'VERTICAL' is not an angle; HORIZONTAL (line 1) announces 3 values, found "
                "2"},
           Case{msi, "HORIZONTAL 1\n0 0\n1 1\nVERTICAL 1\n0 0\n", "line 3: a value outside"},
           Case{msi, "HORIZONTAL 2\n0 0\n1 1\nVERTICAL 2\n0 0\n", "line 5: the file ends before"},
           Case{msi, "HORIZONTAL 1\n0 abc\nVERTICAL 1\n0 0\n", "line 2: loss 'abc' is not"},
           Case{msi, "HORIZONTAL 1\nx1 0\nVERTICAL 1\n0 0\n", "line 2: 'x1' is not an angle"},
           Case{msi, "HORIZONTAL 1\n0 -2\nVERTICAL 1\n0 0\n", "line 2: loss -2 is negative"},
           Case{msi, "HORIZONTAL 1\n0 0\nVERTICAL 1\n361 0\n", "line 4: angle 361 lies outside"},
           Case{msi, "HORIZONTAL 1\n0 0 0\nVERTICAL 1\n0 0\n", "line 2: expected 'angle loss'"},
           Case{msi, "HORIZONTAL many\n", "line 1: HORIZONTAL needs the count"},
           Case{msi, "HORIZONTAL 1\n0 0\nhorizontal 1\n", "line 3: a second HORIZONTAL"},
           Case{msi, "HORIZONTAL 2\n0 0\n360 1\nVERTICAL 1\n0 0\n",
                "line 3: HORIZONTAL angle 0 is given twice"},
           Case{msi, "", "line 1: the file ends without a HORIZONTAL"},
           Case{csv, "angle,loss\n0,0\n1,1,1\n", "line 3: expected 2 fields, found 3"},
           Case{csv, "a,b,c,d\n", "line 1: expected 2 columns"},
           Case{csv, "0,0\n1,nan\n", "line 2: loss 'nan' is not a number"},
           Case{csv, "0,0,0\n-1,0,0\n", "line 2: angle -1 lies outside"},
           Case{csv, "angle,loss\n", "line 1: the file holds no values"},
           Case{csv, "hello,world\n1,2\n", "line 1: the header names no angle or loss column"},
           Case{csv, "angle,loss\n0,3\n", "line 2: the cut has only one value; a pattern needs"},
           Case{csv, "# one\n0;0;0\n", "line 2: each cut has only one value"},
       }) {
    const PatternReading reading = ParsePatternText(c.text, c.format);
    EXPECT_FALSE(reading.file) << c.text;
    EXPECT_NE(reading.error.find(c.message), std::string::npos)
        << c.text << " gave: " << reading.error;
  }
}

TEST(PatternFile, RefusesFilesAboveTenMegabytes) {
  const std::string path = ::testing::TempDir() + "large.msi";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  const std::string blanks(kMaxPatternFileBytes + 1, '\n');
  std::fwrite(blanks.data(), 1, blanks.size(), file);
  std::fclose(file);
  const PatternReading reading = ReadPatternFile(path);
  std::remove(path.c_str());
  EXPECT_FALSE(reading.file);
  EXPECT_NE(reading.error.find("'" + path + "' is larger than 10 MB"), std::string::npos)
      << reading.error;
}

// What the viewers word in their language: the kind of problem and its values.
TEST(PatternFile, ReportsWhatKeepsAFileFromBeingRead) {
  const std::filesystem::path folder = ::testing::TempDir() + "problems";
  std::filesystem::create_directories(folder / "folder.msi");
  const std::string binary = (folder / "picture.msi").string();
  std::FILE* file = std::fopen(binary.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 1, 16, file);
  std::fclose(file);
  struct Expected {
    std::string path;
    FileProblemKind kind;
    int error;
    std::string english;
  };
  // Named first: mingw's GCC 12 warns falsely about "'" + a temporary (-Wrestrict).
  const std::string inner = (folder / "folder.msi").string();
  const std::string missing = (folder / "none.msi").string();
  for (const Expected& c : {
           Expected{inner, FileProblemKind::kFolder, 0, "'" + inner + "' is a folder, not a file"},
           Expected{binary, FileProblemKind::kBinary, 0,
                    binary + ": line 3: the file holds binary data, not text"},
           Expected{missing, FileProblemKind::kCannotOpen, ENOENT,
                    "cannot open '" + missing + "': No such file or directory"},
       }) {
    const PatternReading reading = ReadPatternFile(c.path);
    EXPECT_FALSE(reading.file) << c.path;
    EXPECT_EQ(reading.problem.kind, c.kind) << c.path;
    EXPECT_EQ(reading.problem.error, c.error) << c.path;
    EXPECT_EQ(reading.error, c.english);
  }
  std::filesystem::remove_all(folder);
}

TEST(PatternFile, AProblemOfALineCarriesItsValues) {
  const PatternReading reading =
      ParsePatternText("HORIZONTAL 2\n0 0\n1 1 1\n", PatternFormat::kMsi);
  EXPECT_EQ(reading.problem.kind, FileProblemKind::kAngleLossFields);
  EXPECT_EQ(reading.problem.line, 3);
  EXPECT_EQ(reading.problem.counts[0], 3);
  EXPECT_EQ(reading.error, "line 3: expected 'angle loss', found 3 fields");
}

}  // namespace
}  // namespace veltrisko
