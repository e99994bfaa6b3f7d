// SPDX-License-Identifier: MIT
// Arbitrary bytes through the reader of compare's lists of code pairs.
// Aborts when a refusal does not name its line, when a row does not have the
// header's fields, or when the table written back with CsvField in its own
// separator does not read as the same table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/cli/pairs_csv.h"

namespace {

using veltrisko::tool::PairsTable;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "pairs_csv_fuzz: %s\n", what);
    std::abort();
  }
}

// A record in the table's own separator; a record of empty fields quotes
// one, or it would read as a blank line.
std::string Line(const std::vector<std::string>& fields, char separator) {
  std::string line;
  bool allEmpty = true;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += veltrisko::tool::CsvField(fields[i], separator);
    allEmpty = allEmpty && fields[i].empty();
  }
  return (allEmpty ? "\"\"" + line : line) + "\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const veltrisko::tool::PairsReading reading = veltrisko::tool::ParsePairsCsv(text);
  if (!reading.table) {
    Require(reading.error.rfind("line ", 0) == 0, "refusal without a line");
    return 0;
  }
  const PairsTable& table = *reading.table;
  Require(table.horizontalColumn < table.header.size(), "horizontal column outside the header");
  Require(table.verticalColumn < table.header.size(), "vertical column outside the header");
  Require(table.horizontalColumn != table.verticalColumn, "one column for both codes");
  int line = 0;
  const char separator = table.dialect.separator;
  // With the mark it was read with, as the tool writes its output.
  std::string written(table.dialect.byteOrderMark ? veltrisko::tool::kByteOrderMark : "");
  written += Line(table.header, separator);
  for (const PairsTable::Row& row : table.rows) {
    Require(row.fields.size() == table.header.size(), "a row without the header's fields");
    Require(row.line > line, "rows out of line order");
    line = row.line;
    written += Line(row.fields, separator);
  }
  const veltrisko::tool::PairsReading again = veltrisko::tool::ParsePairsCsv(written);
  Require(again.table.has_value(), "the written table is refused");
  Require(again.table->dialect.separator == separator, "the written table has another separator");
  Require(again.table->header == table.header, "the written header reads differently");
  Require(again.table->rows.size() == table.rows.size(), "the written rows read differently");
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    Require(again.table->rows[i].fields == table.rows[i].fields, "a written row reads differently");
  }
  return 0;
}
