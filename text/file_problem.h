// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "text/language.h"

// What went wrong reading a pattern file or writing any file, as data: the
// readers and the file writer report it, FileProblemText words it in the
// language in force (the viewers) or in English (the command-line tool and
// the Python module).

namespace veltrisko {

enum class FileProblemKind {
  kNone,
  // The file as a whole (`path`; "-" is standard input or output).
  kTooLarge,       // above 10 MB; `path` empty: a text handed over whole
  kCannotOpen,     // `error`
  kCannotRead,     // a read failed after the file was opened
  kFolder,         // a folder chosen as a file to read
  kBinary,         // a NUL byte (`line`): no text at all
  kCannotWrite,    // `error`, or `systemText` for a cause without errno
  kEmptyFileName,  // an empty output path
  // A line of a pattern file (`line`; `found`: the text as found there).
  kColumnCount,          // CSV: `counts[0]` fields on the first line
  kHeaderNamesNoColumn,  // CSV: a header of other words
  kFieldCount,           // CSV: `counts[0]` expected, `counts[1]` found
  kNoValues,             // CSV
  kOneValue,             // CSV: `counts[0]` columns, `counts[1]` the fewest values
  kAngleNotNumber,       // `found`
  kValueNotNumber,       // `name` ("loss", "gain", "field", "value"), `found`
  kAngleOutside,         // `found`; `counts[0]`: the lowest angle, 0 or -360
  kNegativeLoss,         // `value`
  kRepeatedAngle,        // `name` (cut or section), `value`
  // An MSI section still owed values: its keyword in `name`, its line and
  // its announced and found counts in `counts`.
  kNotAnAngle,           // MSI: `found`, the section still open
  kAngleLossFields,      // MSI: `counts[0]` fields
  kValueOutsideSection,  // MSI
  kSecondSection,        // MSI: `name`, `counts[0]` the first one's line
  kSectionCount,         // MSI: `name`, `counts[0]` the largest count
  kEndsInSection,        // MSI: the section still open
  kNoSection,            // MSI: `name`
  kCutShortfall,         // NSMA: `counts[0]` announced, `counts[1]` found
  kValueOutsideCut,      // NSMA
  kAngleGainFields,      // NSMA: `counts[0]` fields
  kCutShortfallAt,       // NSMA: `counts` 0 line of NUPOIN, 1 announced, 2 found
  kCutCount,             // NSMA: `counts[0]` the largest count
  kEndsInCut,            // NSMA: `counts` 0 line of NUPOIN, 1 announced
  kNoCut,                // NSMA
  kAngleValueFields,     // EDX: `counts[0]` fields
  kNegativeField,        // EDX: `found`
  kNoQuotedName,         // EDX
  kHeaderLine,           // EDX
  kSliceCounts,          // EDX
  kSliceAzimuth,         // EDX: `counts[0]` the slice
  kTextAfterSlices,      // EDX
  kEndsBeforeHeader,     // EDX
  kNoHorizontalValues,   // EDX
  kEndsInSlice,          // EDX: `counts[0]` the slice, `counts[1]` of how many
  kNotOneNumber,         // Radio Mobile: `found`
  kTooManyValues,        // Radio Mobile
  kValueCount,           // Radio Mobile: `counts[0]` found
};

struct FileProblem {
  FileProblemKind kind = FileProblemKind::kNone;
  // The file a problem of the whole file names, or the file whose line is
  // meant ("-": standard input); empty for a text handed over whole.
  std::string path{};
  int line = 0;
  std::string found{};
  std::string name{};
  long counts[3] = {0, 0, 0};
  double value = 0.0;
  int error = 0;             // errno; 0 when unknown
  std::string systemText{};  // the system's own words when there is no errno

  explicit operator bool() const { return kind != FileProblemKind::kNone; }
};

// The problem in a sentence, UTF-8 without control characters. A line's
// problem starts "<path>: line N: " ("Zeile N: "). What a file holds is
// quoted only as up to 16 characters of text, else called binary data.
std::string FileProblemText(const FileProblem& problem, Language language);

// A system error number in a sentence of our own; an unknown one is the
// system's text (English) or a neutral sentence naming the number (German).
std::string SystemErrorText(int error, Language language);

// `text` as a problem may quote it: up to 16 characters of printable text
// (tabs written \t, "..." / "…" when cut), or "binary data" / "Binärdaten".
std::string QuotableExcerpt(const std::string& text, Language language);

}  // namespace veltrisko
