// SPDX-License-Identifier: MIT
#include "tools/cli/pairs_csv.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "tools/cli/text_encoding.h"

namespace veltrisko::tool {
namespace {

// Columns named in a message about a header, at most.
constexpr std::size_t kColumnsShown = 12;
constexpr std::size_t kColumnNameShown = 40;

std::string LineError(int line, const std::string& message) {
  return "line " + std::to_string(line) + ": " + message;
}

// Reads one record (a line, or more when a quoted field holds line ends)
// from the front of `text`.
class RecordReader {
 public:
  RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  int Line() const { return line_; }

  // The fields of the next record, or a message; `blank` tells that the
  // record was an empty line or only separators (spreadsheets write empty
  // rows so).
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
          if (EndsLine(c)) ++line_;
          fields.back().push_back(c);
        }
        continue;
      }
      if (c == '\n' || c == '\r') {
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++line_;
        return std::nullopt;
      }
      if (c == separator_) {
        fields.emplace_back();
        afterQuote = false;
      } else if (afterQuote) {
        return LineError(line_, "text after a closing quote");
      } else if (c == '"') {
        if (!fields.back().empty()) return LineError(line_, "a quote inside an unquoted field");
        quoted = true;
        blank = false;
        quoteLine = line_;
      } else {
        fields.back().push_back(c);
        blank = false;
      }
    }
    if (quoted) return LineError(quoteLine, "a quoted field is not closed");
    return std::nullopt;
  }

 private:
  // Whether `c`, just read inside quotes, ends a line there: LF, or CR
  // alone (the CR of a CRLF leaves the count to its LF).
  bool EndsLine(char c) const {
    if (c == '\n') return true;
    return c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n');
  }

  std::string_view text_;
  char separator_;
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

bool HasColumn(const std::vector<std::string>& header, const char* name) {
  return std::any_of(header.begin(), header.end(),
                     [name](const std::string& f) { return NamesColumn(f, name); });
}

// The header's columns as a message shows them: UTF-8, control characters
// as '?', long names and long lists cut short.
std::string ColumnsFound(const std::vector<std::string>& header, bool windows1252) {
  std::string list;
  for (std::size_t i = 0; i < header.size() && i < kColumnsShown; ++i) {
    std::string name = Trimmed(header[i]);
    if (name.size() > kColumnNameShown) name = name.substr(0, kColumnNameShown) + "...";
    for (char& c : name) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    if (windows1252) {
      name = Windows1252ToUtf8(name);
    } else if (!IsUtf8(name)) {
      name = "(unreadable)";  // a multi-byte character cut above
    }
    list += (i > 0 ? ", '" : "'") + name + "'";
  }
  if (header.size() > kColumnsShown) {
    list += " and " + std::to_string(header.size() - kColumnsShown) + " more";
  }
  return list;
}

// Finds the one column named `name`; a message when there is none or more.
std::optional<std::string> FindColumn(const std::vector<std::string>& header, int line,
                                      const char* name, bool windows1252, std::size_t& column) {
  const auto found = std::find_if(header.begin(), header.end(),
                                  [name](const std::string& f) { return NamesColumn(f, name); });
  if (found == header.end()) {
    return LineError(line, std::string("the header names no '") + name +
                               "' column (columns found: " + ColumnsFound(header, windows1252) +
                               ")");
  }
  if (std::find_if(found + 1, header.end(),
                   [name](const std::string& f) { return NamesColumn(f, name); }) != header.end()) {
    return LineError(line, std::string("the header names the '") + name + "' column twice");
  }
  column = static_cast<std::size_t>(found - header.begin());
  return std::nullopt;
}

// The first non-blank record read with `separator`, if it can be read.
std::optional<std::vector<std::string>> HeaderWith(std::string_view text, char separator) {
  RecordReader reader(text, separator);
  std::vector<std::string> fields;
  bool blank = true;
  while (!reader.AtEnd()) {
    if (reader.Next(fields, blank)) return std::nullopt;
    if (!blank) return fields;
  }
  return std::nullopt;
}

// The separator under which the header names both columns; else the one
// that splits it into the most fields; a comma when nothing tells.
char FindSeparator(std::string_view text) {
  char most = ',';
  std::size_t mostFields = 0;
  for (const char separator : {',', ';', '\t'}) {
    const std::optional<std::vector<std::string>> header = HeaderWith(text, separator);
    if (!header) continue;
    if (HasColumn(*header, "horizontal") && HasColumn(*header, "vertical")) return separator;
    if (header->size() > mostFields) {
      most = separator;
      mostFields = header->size();
    }
  }
  return most;
}

std::string FirstLineEnd(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos || text[end] == '\n') return "\n";
  return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

// UTF-16's mark, and then nothing or a zero byte (every ASCII letter has
// one); a Windows-1252 list may well begin with "ÿþ".
bool LooksUtf16(std::string_view text) {
  const bool mark = text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF";
  return mark && (text.size() == 2 || text.substr(2, 2).find('\0') != std::string_view::npos);
}

constexpr char kUtf16Refusal[] = "the list is UTF-16 text; save it as CSV (UTF-8 or Windows-1252)";

}  // namespace

PairsReading ParsePairsCsv(std::string_view text) {
  PairsTable table;
  if (LooksUtf16(text)) return {{}, LineError(1, kUtf16Refusal)};
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    table.dialect.byteOrderMark = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  table.dialect.windows1252 = !IsUtf8(text);
  table.dialect.lineEnd = FirstLineEnd(text);
  table.dialect.separator = FindSeparator(text);
  RecordReader reader(text, table.dialect.separator);
  bool haveHeader = false;
  std::vector<std::string> fields;
  bool blank = true;
  while (!reader.AtEnd()) {
    const int line = reader.Line();
    if (std::optional<std::string> problem = reader.Next(fields, blank)) return {{}, *problem};
    if (blank) continue;
    if (!haveHeader) {
      // A mark left before the header is no part of a column's name: a second
      // one (a tool added one to a file that had one), or one below blank lines.
      while (!fields.empty() && fields.front().rfind(kByteOrderMark, 0) == 0)
        fields.front().erase(0, kByteOrderMark.size());
      // Below blank lines as well: the list written back would begin with it.
      if (!fields.empty() && LooksUtf16(fields.front()))
        return {{}, LineError(line, kUtf16Refusal)};
      for (const auto& [name, column] : {std::pair{"horizontal", &table.horizontalColumn},
                                         std::pair{"vertical", &table.verticalColumn}}) {
        if (std::optional<std::string> problem =
                FindColumn(fields, line, name, table.dialect.windows1252, *column)) {
          return {{}, *problem};
        }
      }
      table.header = std::move(fields);
      haveHeader = true;
      continue;
    }
    if (fields.size() != table.header.size()) {
      const std::size_t n = fields.size();
      return {{},
              LineError(line, std::to_string(n) + (n == 1 ? " field" : " fields") +
                                  " where the header has " + std::to_string(table.header.size()))};
    }
    table.rows.push_back({line, std::move(fields)});
  }
  if (!haveHeader) {
    return {{}, LineError(reader.Line(), "no header line (horizontal,vertical,...)")};
  }
  return {std::move(table), {}};
}

std::string CsvField(std::string_view text, char separator) {
  const char special[] = {separator, '"', '\r', '\n', '\0'};
  const bool plain = text.find_first_of(special) == std::string_view::npos &&
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
