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
#include "model/code_form.h"
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

// What is unusual about the pair's codes ("horizontal 030EA1: 6 characters,
// not 7"), empty when both are written in the seven-character form.
std::string FormWarning(const CodePair& pair) {
  std::string warning;
  for (const auto& [which, code] :
       {std::pair{"horizontal ", &pair.horizontal}, std::pair{"vertical ", &pair.vertical}}) {
    const CodeForm form = CheckCodeForm(*code);
    if (form.IsCanonical()) continue;
    if (!warning.empty()) warning += "; ";
    warning += which + *code + ": " + DescribeCodeForm(form);
  }
  return warning;
}

PairOutcome Survey(const CodePair& pair, float step, const std::string& warning, bool strict) {
  if (strict && !warning.empty()) {
    return {std::nullopt, "refused under --strict: a code is not in the seven-character form"};
  }
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
std::vector<PairOutcome> SurveyAll(const std::vector<CodePair>& pairs,
                                   const std::vector<std::string>& warnings, float step,
                                   bool strict) {
  std::vector<PairOutcome> outcomes(pairs.size());
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto surveyNext = [&] {
    const std::size_t i = next++;
    if (i >= pairs.size()) return false;
    try {
      outcomes[i] = Survey(pairs[i], step, warnings[i], strict);
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

// How the output is written: the list's dialect and the decimal separator.
struct OutputStyle {
  CsvDialect dialect;
  char decimal = '.';
};

std::string Figure(std::string text, char decimal) {
  if (decimal != '.') std::replace(text.begin(), text.end(), '.', decimal);
  return text;
}

bool WriteRows(std::FILE* out, const PairsTable& table, const std::vector<std::size_t>& rowPair,
               const std::vector<PairOutcome>& outcomes, const std::vector<std::string>& warnings,
               const OutputStyle& style) {
  const char sep = style.dialect.separator;
  const std::string& end = style.dialect.lineEnd;
  std::string line(style.dialect.byteOrderMark ? kByteOrderMark : "");
  for (const std::string& name : table.header) line += CsvField(name, sep) + sep;
  for (const char* name : kCompareFigureColumns) line += std::string(name) + sep;
  line += "error" + std::string(1, sep) + "warning" + end;
  if (std::fputs(line.c_str(), out) < 0) return false;
  std::vector<std::optional<CompareFigures>> figures(outcomes.size());
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    if (outcomes[i].survey) figures[i] = FiguresOf(*outcomes[i].survey);
  }
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    line.clear();
    for (const std::string& field : table.rows[r].fields) line += CsvField(field, sep) + sep;
    const std::size_t p = rowPair[r];
    for (std::size_t k = 0; k < kCompareFigureColumns.size(); ++k) {
      if (figures[p]) line += CsvField(Figure((*figures[p])[k], style.decimal), sep);
      line += sep;
    }
    line += CsvField(outcomes[p].error, sep) + sep + CsvField(warnings[p], sep) + end;
    if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) return false;
  }
  return true;
}

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

void PrintSummary(const std::vector<std::size_t>& rowPair, const std::vector<PairOutcome>& outcomes,
                  const std::vector<std::string>& warnings) {
  std::size_t above1 = 0, above3 = 0, above6 = 0, rejected = 0, warned = 0;
  for (const std::size_t p : rowPair) {
    warned += !warnings[p].empty();
    if (!outcomes[p].survey) {
      ++rejected;
      continue;
    }
    const float largest = outcomes[p].survey->largest.differenceDb;
    above1 += largest > 1.0f;
    above3 += largest > 3.0f;
    above6 += largest > 6.0f;
  }
  const std::string summary =
      "compared " + Counted(rowPair.size(), "row", "rows") + " (" +
      Counted(outcomes.size(), "distinct code pair", "distinct code pairs") +
      "): largest difference above 1 dB in " + Counted(above1, "row", "rows") + ", above 3 dB in " +
      std::to_string(above3) + ", above 6 dB in " + std::to_string(above6) +
      "; warnings: " + std::to_string(warned) + "; not compared: " + std::to_string(rejected) +
      "\n";
  std::fputs(summary.c_str(), stderr);
}

}  // namespace

int RunComparePairs(const ComparePairsOptions& options) {
  std::string text;
  if (const std::optional<std::string> problem = ReadList(options.pairsPath, text)) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem->c_str());
    return 1;
  }
  const PairsReading reading = ParsePairsCsv(text);
  if (!reading.table) {
    const std::string name = options.pairsPath == "-" ? "standard input" : options.pairsPath;
    std::fprintf(stderr, "veltrisko-pattern: %s: %s\n", name.c_str(), reading.error.c_str());
    return 1;
  }
  const PairsTable& table = *reading.table;
  std::vector<CodePair> pairs;
  const std::vector<std::size_t> rowPair = DistinctPairs(table, pairs);
  std::vector<std::string> warnings;
  warnings.reserve(pairs.size());
  for (const CodePair& pair : pairs) warnings.push_back(FormWarning(pair));
  const std::vector<PairOutcome> outcomes =
      SurveyAll(pairs, warnings, options.step, options.strict);
  OutputStyle style{table.dialect, table.dialect.separator == ';' ? ',' : '.'};
  if (options.decimal) style.decimal = *options.decimal;
  const std::string problem = WriteFileAtomically(options.output, [&](std::FILE* out) {
    return WriteRows(out, table, rowPair, outcomes, warnings, style);
  });
  if (!problem.empty()) {
    std::fprintf(stderr, "veltrisko-pattern: %s\n", problem.c_str());
    return 1;
  }
  PrintSummary(rowPair, outcomes, warnings);
  const bool allCompared = std::all_of(outcomes.begin(), outcomes.end(),
                                       [](const PairOutcome& o) { return o.survey.has_value(); });
  return allCompared ? 0 : 1;
}

}  // namespace veltrisko::tool
