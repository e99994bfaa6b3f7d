// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

// A field width known when compiling, checked then: a width outside
// [1, Maximum] does not compile.
template <int Maximum>
struct ScanWidth {
  consteval ScanWidth(int width) : value(width) {  // NOLINT: implicit from a literal
    if (width < 1 || width > Maximum) throw "scan width out of range";
  }
  int value;
};

// Reads a text field after field exactly as the GNU C library's formatted
// input (sscanf) reads it in the "C" locale, for the conversions antenna codes
// are read with: "%Nf", "%Nd", "%Ns" and "%*Ns". C libraries agree on
// well-formed codes but not on malformed ones (musl, for one, refuses "1e" as
// a number where glibc reads 1), so the codes are read here, alike on every
// system.
//
// Each conversion first skips white space (' ', '\t' to '\r'). Once one
// fails, the scan has stopped: every later conversion fails and assigns
// nothing, as sscanf stops at the first failing directive.
class CodeScan {
 public:
  // The text ends at its first zero byte; a null pointer reads as "".
  explicit CodeScan(const char* text) : text_(text != nullptr ? text : "") {}

  // "%Nf". Three characters at most: the conversion of the characters read
  // is exact for every text that fits in them.
  bool Float(ScanWidth<3> width, float& value);
  // "%Nd" (a width of 0N, as in "%01d", is the width N).
  bool Int(ScanWidth<9> width, int& value);
  // "%Ns": up to N bytes other than white space and a terminating zero into
  // `letters`, which holds N + 1 bytes.
  bool String(ScanWidth<9> width, char* letters);
  // "%*Ns": the same, assigned nowhere and not counted.
  bool SkipString(ScanWidth<9> width);

  // What sscanf returns: the number of fields assigned, or -1 when the text
  // ended before any field was assigned.
  int Count() const { return endedBeforeFirst_ ? -1 : assigned_; }

 private:
  static constexpr int kEnd = -1;

  // The next byte (consumed) or kEnd, as the C library's getc.
  int Next();
  // Gives back the byte Next returned, as ungetc (nothing for kEnd).
  void GiveBack(int c);
  // Skips white space; false when the scan has stopped.
  bool Begin();
  // The text ended before the conversion could start.
  bool InputFailure();
  // The text does not match the conversion.
  bool MatchFailure();

  const char* text_;
  int position_ = 0;
  int assigned_ = 0;
  bool stopped_ = false;
  bool endedBeforeFirst_ = false;
};

}  // namespace veltrisko
