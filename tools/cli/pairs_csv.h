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
};

// Either the table or a message naming the line ("line 7: ...").
struct PairsReading {
  std::optional<PairsTable> table;
  std::string error;
};

// Reads comma-separated text: fields may be quoted with '"' (a doubled quote
// inside stands for one, commas and line ends inside are kept), lines end in
// LF or CRLF, blank lines are skipped, and every row has as many fields as
// the header.
PairsReading ParsePairsCsv(std::string_view text);

// A field as written to CSV: quoted when it holds a comma, a quote, a line
// end or blanks at either end, otherwise as it is.
std::string CsvField(std::string_view text);

}  // namespace veltrisko::tool
