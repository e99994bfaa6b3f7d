// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrisko::tool {

// Lists of code pairs above this size are refused before they are read.
inline constexpr std::size_t kMaxPairsFileBytes = 256 * 1024 * 1024;

// UTF-8's byte order mark, which a spreadsheet may write before the header.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// How a list is written, as found in it, so that the result can be written
// the same way. Fields are kept as the bytes they are: the output is in the
// encoding that was read.
struct CsvDialect {
  char separator = ',';        // ',', ';' or '\t', found from the header line
  std::string lineEnd = "\n";  // the first line end: "\n", "\r\n" or "\r"
  bool byteOrderMark = false;  // the text began with the UTF-8 byte order mark
  bool windows1252 = false;    // the text is not UTF-8: read as Windows-1252
};

// A list of code pairs: a header line naming the columns, two of them
// "horizontal" and "vertical" (any case), and one row per pair. Every other
// column (a station's name, its identifiers) is carried along as written.
struct PairsTable {
  std::vector<std::string> header;
  std::size_t horizontalColumn = 0;
  std::size_t verticalColumn = 0;
  struct Row {
    int line = 0;  // where the row begins
    std::vector<std::string> fields;
  };
  std::vector<Row> rows;
  CsvDialect dialect;
};

// Either the table or a message naming the line ("line 7: ...").
struct PairsReading {
  std::optional<PairsTable> table;
  std::string error;
};

// Reads what spreadsheets write: fields separated by commas, semicolons or
// tabs (the one under which the header names both columns, else the most
// frequent one in the header), optionally quoted with '"' (a doubled quote
// inside stands for one; separators and line ends inside are kept), lines
// ending in LF, CRLF or CR, a UTF-8 byte order mark, UTF-8 or Windows-1252
// text. Blank lines are skipped and every row has as many fields as the
// header. A header without one of the columns is refused with the columns
// it does name.
PairsReading ParsePairsCsv(std::string_view text);

// A field as written to CSV with `separator`: quoted when it holds the
// separator, a quote, a line end or blanks at either end, otherwise as it is.
std::string CsvField(std::string_view text, char separator = ',');

}  // namespace veltrisko::tool
