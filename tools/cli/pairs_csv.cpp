// SPDX-License-Identifier: MIT
#include "tools/cli/pairs_csv.h"

#include <algorithm>
#include <cctype>

namespace veltrisko::tool {
namespace {

std::string LineError(int line, const std::string& message) {
  return "line " + std::to_string(line) + ": " + message;
}

// Reads one record (a line, or more when a quoted field holds line ends)
// from the front of `text`.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  int Line() const { return line_; }

  // The fields of the next record, or a message; `blank` tells that the
  // record was an empty line.
  std::optional<std::string> Next(std::vector<std::string>& fields, bool& blank) {
    fields.assign(1, std::string());
    blank = true;
    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quoted field just ended
    int quoteLine = line_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (quoted) {
        if (c == '"') {
          if (pos_ < text_.size() && text_[pos_] == '"') {
            fields.back().push_back('"');
            ++pos_;
          } else {
            quoted = false;
            afterQuote = true;
          }
        } else {
          if (c == '\n') ++line_;
          fields.back().push_back(c);
        }
        continue;
      }
      if (c == '\n' || (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')) {
        if (c == '\r') ++pos_;
        ++line_;
        return std::nullopt;
      }
      blank = false;
      if (c == ',') {
        fields.emplace_back();
        afterQuote = false;
      } else if (afterQuote) {
        return LineError(line_, "text after a closing quote");
      } else if (c == '"') {
        if (!fields.back().empty()) return LineError(line_, "a quote inside an unquoted field");
        quoted = true;
        quoteLine = line_;
      } else {
        fields.back().push_back(c);
      }
    }
    if (quoted) return LineError(quoteLine, "a quoted field is not closed");
    return std::nullopt;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

std::string Trimmed(const std::string& text) {
  const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
  const auto first = std::find_if(text.begin(), text.end(), notBlank);
  const auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

bool NamesColumn(const std::string& field, const char* name) {
  const std::string trimmed = Trimmed(field);
  return std::equal(
      trimmed.begin(), trimmed.end(), name, name + std::char_traits<char>::length(name),
      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// Finds the one column named `name`; a message when there is none or more.
std::optional<std::string> FindColumn(const std::vector<std::string>& header, int line,
                                      const char* name, std::size_t& column) {
  const auto found = std::find_if(header.begin(), header.end(),
                                  [name](const std::string& f) { return NamesColumn(f, name); });
  if (found == header.end()) {
    return LineError(line, std::string("the header names no '") + name + "' column");
  }
  if (std::find_if(found + 1, header.end(),
                   [name](const std::string& f) { return NamesColumn(f, name); }) != header.end()) {
    return LineError(line, std::string("the header names the '") + name + "' column twice");
  }
  column = static_cast<std::size_t>(found - header.begin());
  return std::nullopt;
}

}  // namespace

PairsReading ParsePairsCsv(std::string_view text) {
  RecordReader reader(text);
  PairsTable table;
  bool haveHeader = false;
  std::vector<std::string> fields;
  bool blank = true;
  while (!reader.AtEnd()) {
    const int line = reader.Line();
    if (std::optional<std::string> problem = reader.Next(fields, blank)) return {{}, *problem};
    if (blank) continue;
    if (!haveHeader) {
      for (const auto& [name, column] : {std::pair{"horizontal", &table.horizontalColumn},
                                         std::pair{"vertical", &table.verticalColumn}}) {
        if (std::optional<std::string> problem = FindColumn(fields, line, name, *column)) {
          return {{}, *problem};
        }
      }
      table.header = std::move(fields);
      haveHeader = true;
      continue;
    }
    if (fields.size() != table.header.size()) {
      return {{},
              LineError(line, std::to_string(fields.size()) + " fields where the header has " +
                                  std::to_string(table.header.size()))};
    }
    table.rows.push_back({line, std::move(fields)});
  }
  if (!haveHeader) {
    return {{}, LineError(reader.Line(), "no header line (horizontal,vertical,...)")};
  }
  return {std::move(table), {}};
}

std::string CsvField(std::string_view text) {
  const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                     (text.empty() || (!std::isspace(static_cast<unsigned char>(text.front())) &&
                                       !std::isspace(static_cast<unsigned char>(text.back()))));
  if (plain) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted.push_back('"');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace veltrisko::tool
