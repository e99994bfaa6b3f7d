// SPDX-License-Identifier: MIT
#include "interchange/csv_format.h"

#include <algorithm>

#include "interchange/msi_format.h"
#include "interchange/number_text.h"

namespace veltrisko {
namespace {

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t end = line.find(separator);
    fields.push_back(TrimBlanks(line.substr(0, end)));
    if (end == std::string_view::npos) return fields;
    line.remove_prefix(end + 1);
  }
}

// A cut of fewer values says nothing about a pattern: one value is flat.
constexpr std::size_t kFewestValues = 2;

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return lower;
}

bool NamesVertical(std::string_view header) {
  return Lower(header).find("vert") != std::string::npos;
}

// A header line is read only when one of its names tells an angle or a
// loss column: a line of other words is no pattern file's header.
bool NamesAColumn(const std::vector<std::string_view>& fields) {
  static constexpr std::string_view kWords[] = {
      "angle", "winkel", "azim",   "elev",   "theta", "phi",   "deg",  "grad",  "loss", "gain",
      "atten", "dämpf",  "daempf", "gewinn", "db",    "horiz", "vert", "level", "pegel"};
  return std::any_of(fields.begin(), fields.end(), [](std::string_view field) {
    const std::string lower = Lower(field);
    return std::any_of(std::begin(kWords), std::end(kWords), [&lower](std::string_view word) {
      return lower.find(word) != std::string::npos;
    });
  });
}

}  // namespace

std::string FormatCsvPattern(const PatternCuts& cuts, const std::string& comment) {
  std::string text;
  if (!comment.empty()) {
    // One line whatever the comment holds: a line end would end the comment.
    std::string line = comment;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    text += "# " + line + "\n";
  }
  text += "angle,horizontal_loss_db,vertical_loss_db\n";
  for (int a = 0; a < kCutPoints; ++a) {
    text += std::to_string(a) + "," + LossText(cuts.horizontal[a]) + "," +
            LossText(cuts.vertical[a]) + "\n";
  }
  return text;
}

PatternReading ParseCsvPattern(std::string_view text) {
  char separator = 0;
  std::size_t columns = 0;
  bool verticalOnly = false;
  std::vector<CutPoint> first;
  std::vector<CutPoint> second;
  FileProblem error;
  int lastLine = 0;
  int decimals = 0;
  ForEachLine(text, [&](int number, std::string_view line) {
    lastLine = number;
    line = TrimBlanks(line);
    if (line.empty() || line.front() == '#') return true;
    if (separator == 0) {
      separator = line.find(';') != std::string_view::npos   ? ';'
                  : line.find(',') != std::string_view::npos ? ','
                                                             : '\t';
    }
    const std::vector<std::string_view> fields = SplitFields(line, separator);
    if (columns == 0) {
      if (fields.size() != 2 && fields.size() != 3) {
        error = LineProblem(number, FileProblemKind::kColumnCount, std::ssize(fields));
        return false;
      }
      columns = fields.size();
      if (!ParseDecimal(fields[0])) {  // a header line
        if (!NamesAColumn(fields)) {
          error = LineProblem(number, FileProblemKind::kHeaderNamesNoColumn);
          return false;
        }
        verticalOnly = columns == 2 && NamesVertical(fields[1]);
        return true;
      }
    }
    if (fields.size() != columns) {
      error = LineProblem(number, FileProblemKind::kFieldCount, static_cast<long>(columns),
                          std::ssize(fields));
      return false;
    }
    CutPoint point;
    if (auto problem = ReadSignedPoint(fields[0], fields[1], number, {}, point, decimals)) {
      error = *problem;
      return false;
    }
    first.push_back(point);
    if (columns == 3) {
      if (auto problem = ReadSignedPoint(fields[0], fields[2], number, {}, point, decimals)) {
        error = *problem;
        return false;
      }
      second.push_back(point);
    }
    return true;
  });
  if (!error && first.empty())
    error = LineProblem(std::max(lastLine, 1), FileProblemKind::kNoValues);
  const char* firstName = verticalOnly ? "vertical" : "horizontal";
  if (!error && first.size() < kFewestValues) {
    error = LineProblem(first.back().line, FileProblemKind::kOneValue, static_cast<long>(columns),
                        static_cast<long>(kFewestValues));
  }
  if (!error) {
    if (auto problem = CheckRepeatedAngles(first, firstName)) error = *problem;
  }
  if (!error) {
    if (auto problem = CheckRepeatedAngles(second, "vertical")) error = *problem;
  }
  if (error) return Refused(std::move(error));
  PatternFile file;
  if (columns == 3) {
    file.horizontal = std::move(first);
    file.vertical = std::move(second);
  } else if (verticalOnly) {
    file.vertical = std::move(first);
  } else {
    file.horizontal = std::move(first);
  }
  if (auto problem = ResolveSignedLosses(file)) return Refused(std::move(*problem));
  file.halfUnitDb = HalfUnit(decimals);
  return {std::move(file), {}};
}

}  // namespace veltrisko
