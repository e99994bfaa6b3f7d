// SPDX-License-Identifier: MIT
// Runs `veltrisko-pattern compare` and checks its numbers against `eval`.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string RunTool(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), n);
  pclose(pipe);
  return output;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kTool = VELTRISKO_TOOL;

TEST(CompareCommand, GridValuesAreThoseOfEval) {
  const std::vector<std::string> rows =
      Lines(RunTool(kTool + " compare --horizontal 045EB10 --vertical 130VA20 --step 15 --csv"));
  ASSERT_EQ(rows.size(), 1u + 13 * 25);
  EXPECT_EQ(rows[0], "azimuth,elevation,v6,v7,difference");
  const std::string queries = ::testing::TempDir() + "compare_queries.txt";
  {
    std::ofstream out(queries);
    for (std::size_t i = 1; i < rows.size(); ++i) {
      float az, el, v6, v7, d;
      ASSERT_EQ(std::sscanf(rows[i].c_str(), "%f,%f,%f,%f,%f", &az, &el, &v6, &v7, &d), 5);
      out << "v6 045EB10 130VA20 " << az << ' ' << el << "\nv7 045EB10 130VA20 " << az << ' ' << el
          << '\n';
    }
  }
  const std::vector<std::string> answers = Lines(RunTool(kTool + " eval < " + queries));
  ASSERT_EQ(answers.size(), 2 * (rows.size() - 1));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    float az, el, v6, v7, d;
    std::sscanf(rows[i].c_str(), "%f,%f,%f,%f,%f", &az, &el, &v6, &v7, &d);
    const double evalV6 = std::stod(answers[2 * (i - 1)]);
    const double evalV7 = std::stod(answers[2 * (i - 1) + 1]);
    EXPECT_NEAR(v6, evalV6, 1e-5) << rows[i];
    EXPECT_NEAR(v7, evalV7, 1e-5) << rows[i];
    EXPECT_NEAR(d, std::abs(evalV6 - evalV7), 1e-4) << rows[i];
  }
}

TEST(CompareCommand, LargestDifferenceIsWhereEvalSaysAndAboveEveryGridPoint) {
  const std::vector<std::string> summary =
      Lines(RunTool(kTool + " compare --horizontal 030EA10 --vertical 020EA05 --step 3"));
  ASSERT_EQ(summary.size(), 5u);
  float largest, az, el, v6, v7;
  ASSERT_EQ(
      std::sscanf(summary[0].c_str(),
                  "largest difference: %f dB at azimuth %f, elevation %f (V6 %f dB, V7 %f dB)",
                  &largest, &az, &el, &v6, &v7),
      5)
      << summary[0];
  const std::string query = ::testing::TempDir() + "largest_query.txt";
  {
    char line[200];
    std::snprintf(line, sizeof line, "v6 030EA10 020EA05 %.2f %.2f\nv7 030EA10 020EA05 %.2f %.2f\n",
                  az, el, az, el);
    std::ofstream(query) << line;
  }
  const std::vector<std::string> answers = Lines(RunTool(kTool + " eval < " + query));
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_NEAR(largest, std::abs(std::stod(answers[0]) - std::stod(answers[1])), 0.006);
  for (const std::string& row :
       Lines(RunTool(kTool + " compare --horizontal 030EA10 --vertical 020EA05 --step 3 --csv"))) {
    float a, e, x, y, d;
    if (std::sscanf(row.c_str(), "%f,%f,%f,%f,%f", &a, &e, &x, &y, &d) == 5) {
      EXPECT_LE(d, largest + 0.005f) << row;
    }
  }
  EXPECT_NE(summary[1].find("mean difference: "), std::string::npos);
  EXPECT_NE(summary[4].find("share above 6 dB: "), std::string::npos);
}

}  // namespace
