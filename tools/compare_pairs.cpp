// SPDX-License-Identifier: MIT
// compare --pairs: one survey per distinct code pair, spread over the cores.
#include "tools/compare_pairs.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "analysis/rule_difference.h"
#include "files/atomic_file.h"
#include "model/parsed_antenna_code.h"
#include "tools/cli/pairs_csv.h"
#include "tools/compare_figures.h"
#include "tools/progress.h"

namespace veltrisko::tool {
namespace {

// The whole list, or a message naming the path.
std::optional<std::string> ReadList(const std::string& path, std::string& text) {
  const bool standardInput = path == "-";
  const std::string name = standardInput ? "standard input" : "'" + path + "'";
  std::FILE* in = standardInput ? stdin : std::fopen(path.c_str(), "rb");
  if (in == nullptr) return "cannot open " + name + ": " + std::strerror(errno);
  char buffer[1 << 16];
  std::size_t n = 0;
  errno = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0 && text.size() <= kMaxPairsFileBytes) {
    text.append(buffer, n);
  }
  const bool failed = std::ferror(in) != 0;
  const int error = errno;
  if (!standardInput) std::fclose(in);
  if (failed) return "cannot read " + name + ": " + std::strerror(error != 0 ? error : EIO);
  if (text.size() > kMaxPairsFileBytes) {
    return name + " is larger than " + std::to_string(kMaxPairsFileBytes / (1024 * 1024)) + " MB";
  }
  return std::nullopt;
}

struct CodePair {
  std::string horizontal;
  std::string vertical;
};

// The survey of one pair, or why there is none (compare's own message).
struct PairOutcome {
  std::optional<RuleDifferenceSurvey> survey;
  std::string error;
};

PairOutcome Survey(const CodePair& pair, float step) {
  const ParsedAntennaCode horizontal(pair.horizontal.c_str());
  const ParsedAntennaCode vertical(pair.vertical.c_str());
  if (!horizontal.Accepted() || !horizontal.Scans()) {
    return {std::nullopt, "invalid horizontal antenna code '" + pair.horizontal + "'"};
  }
  if (!vertical.Accepted() || !vertical.Scans()) {
    return {std::nullopt, "invalid vertical antenna code '" + pair.vertical + "'"};
  }
  std::optional<RuleDifferenceSurvey> survey = SurveyRuleDifference(horizontal, vertical, step);
  if (!survey) return {std::nullopt, "the codes cannot be evaluated over the sphere"};
  return {std::move(survey), {}};
}

// Surveys every pair on all cores; this thread takes its share and shows the
// progress.
std::vector<PairOutcome> SurveyAll(const std::vector<CodePair>& pairs, float step) {
  std::vector<PairOutcome> outcomes(pairs.size());
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto surveyNext = [&] {
    const std::size_t i = next++;
    if (i >= pairs.size()) return false;
    try {
      outcomes[i] = Survey(pairs[i], step);
    } catch (const std::exception& e) {
      outcomes[i] = {std::nullopt, std::string("cannot compare: ") + e.what()};
    }
    ++done;
    return true;
  };
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> helpers;
  try {
    for (std::size_t t = 1; t < std::min(cores, pairs.size()); ++t) {
      helpers.emplace_back([&] {
        while (surveyNext()) {
        }
      });
    }
  } catch (const std::system_error&) {
    // Fewer threads than cores: the ones started do the work.
  }
  {
    Progress progress("compare", pairs.size());
    while (surveyNext()) progress.Update(done);
  }
  for (std::thread& helper : helpers) helper.join();
  return outcomes;
}

// Each row's index into the distinct pairs, which are listed once each.
std::vector<std::size_t> DistinctPairs(const PairsTable& table, std::vector<CodePair>& pairs) {
  std::map<std::pair<std::string, std::string>, std::size_t> index;
  std::vector<std::size_t> rowPair;
  rowPair.reserve(table.rows.size());
  for (const PairsTable::Row& row : table.rows) {
    const std::string& h = row.fields[table.horizontalColumn];
    const std::string& v = row.fields[table.verticalColumn];
    const auto [it, added] = index.try_emplace({h, v}, pairs.size());
    if (added) pairs.push_back({h, v});
    rowPair.push_back(it->second);
  }
  return rowPair;
}

bool WriteRows(std::FILE* out, const PairsTable& table, const std::vector<std::size_t>& rowPair,
               const std::vector<PairOutcome>& outcomes) {
  std::string line;
  for (const std::string& name : table.header) line += CsvField(name) + ",";
  for (const char* name : kCompareFigureColumns) line += std::string(name) + ",";
  line += "error\n";
  if (std::fputs(line.c_str(), out) < 0) return false;
  std::vector<std::optional<CompareFigures>> figures(outcomes.size());
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    if (outcomes[i].survey) figures[i] = FiguresOf(*outcomes[i].survey);
  }
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    line.clear();
    for (const std::string& field : table.rows[r].fields) line += CsvField(field) + ",";
    const std::optional<CompareFigures>& f = figures[rowPair[r]];
    for (std::size_t k = 0; k < kCompareFigureColumns.size(); ++k) {
      if (f) line += (*f)[k];
      line += ',';
    }
    line += CsvField(outcomes[rowPair[r]].error) + "\n";
    if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) return false;
  }
  return true;
}

void PrintSummary(const std::vector<std::size_t>& rowPair,
                  const std::vector<PairOutcome>& outcomes) {
  std::size_t above1 = 0, above3 = 0, above6 = 0, rejected = 0;
  for (const std::size_t p : rowPair) {
    if (!outcomes[p].survey) {
      ++rejected;
      continue;
    }
    const float largest = outcomes[p].survey->largest.differenceDb;
    above1 += largest > 1.0f;
    above3 += largest > 3.0f;
    above6 += largest > 6.0f;
  }
  std::fprintf(stderr,
               "compared %zu rows (%zu distinct code pairs): largest difference above 1 dB in "
               "%zu rows, above 3 dB in %zu, above 6 dB in %zu; not compared: %zu\n",
               rowPair.size(), outcomes.size(), above1, above3, above6, rejected);
}

}  // namespace

int RunComparePairs(const std::string& pairsPath, float step, const std::string& output) {
  std::string text;
  if (const std::optional<std::string> problem = ReadList(pairsPath, text)) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem->c_str());
    return 1;
  }
  const PairsReading reading = ParsePairsCsv(text);
  if (!reading.table) {
    const std::string name = pairsPath == "-" ? "standard input" : pairsPath;
    std::fprintf(stderr, "veltrisko-pattern: %s: %s\n", name.c_str(), reading.error.c_str());
    return 1;
  }
  std::vector<CodePair> pairs;
  const std::vector<std::size_t> rowPair = DistinctPairs(*reading.table, pairs);
  const std::vector<PairOutcome> outcomes = SurveyAll(pairs, step);
  const std::string problem = WriteFileAtomically(
      output, [&](std::FILE* out) { return WriteRows(out, *reading.table, rowPair, outcomes); });
  if (!problem.empty()) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem.c_str());
    return 1;
  }
  PrintSummary(rowPair, outcomes);
  const bool allCompared = std::all_of(outcomes.begin(), outcomes.end(),
                                       [](const PairOutcome& o) { return o.survey.has_value(); });
  return allCompared ? 0 : 1;
}

}  // namespace veltrisko::tool
