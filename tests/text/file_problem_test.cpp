// SPDX-License-Identifier: MIT
// A file's problem worded in German and in English: the English as the
// command-line tool has always said it, the German without English words,
// neither with raw bytes.
#include "text/file_problem.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace veltrisko {
namespace {

using Kind = FileProblemKind;

struct Case {
  FileProblem problem;
  const char* english;
  const char* german;
};

const Case kCases[] = {
    {{.kind = Kind::kAngleLossFields, .path = "/m/a.msi", .line = 238, .counts = {1, 0, 0}},
     "/m/a.msi: line 238: expected 'angle loss', found 1 fields",
     "/m/a.msi: Zeile 238: erwartet „Winkel Dämpfung“, gefunden: 1 Feld"},
    {{.kind = Kind::kFieldCount, .line = 3, .counts = {2, 3, 0}},
     "line 3: expected 2 fields, found 3",
     "Zeile 3: erwartet 2 Felder, gefunden: 3 Felder"},
    {{.kind = Kind::kTooLarge, .path = "big.msi"},
     "'big.msi' is larger than 10 MB",
     "„big.msi“ ist größer als 10 MB"},
    {{.kind = Kind::kCannotOpen, .path = "x.msi", .error = EACCES},
     "cannot open 'x.msi': Permission denied",
     "„x.msi“ kann nicht geöffnet werden: Zugriff verweigert"},
    {{.kind = Kind::kCannotOpen, .path = "x.msi", .error = ENOENT},
     "cannot open 'x.msi': No such file or directory",
     "„x.msi“ kann nicht geöffnet werden: Datei oder Ordner nicht gefunden"},
    {{.kind = Kind::kFolder, .path = "/m"},
     "'/m' is a folder, not a file",
     "„/m“ ist ein Ordner, keine Datei"},
    {{.kind = Kind::kCannotWrite, .path = "p.msi", .error = ENOSPC},
     "cannot write 'p.msi': No space left on device",
     "„p.msi“ kann nicht geschrieben werden: Kein Platz mehr auf dem Datenträger"},
    {{.kind = Kind::kCannotWrite, .path = "-", .error = EROFS},
     "cannot write 'standard output': Read-only file system",
     "„Standardausgabe“ kann nicht geschrieben werden: Das Dateisystem ist schreibgeschützt"},
    {{.kind = Kind::kHeaderNamesNoColumn, .path = "-", .line = 1},
     "standard input: line 1: the header names no angle or loss column (for example "
     "'angle,loss')",
     "Standardeingabe: Zeile 1: die Kopfzeile nennt keine Winkel- oder Dämpfungsspalte (zum "
     "Beispiel „Winkel,Dämpfung“)"},
    {{.kind = Kind::kOneValue, .line = 2, .counts = {3, 2, 0}},
     "line 2: each cut has only one value; a pattern needs at least 2",
     "Zeile 2: jeder Schnitt hat nur einen Wert; ein Diagramm braucht mindestens 2"},
    {{.kind = Kind::kValueNotNumber, .line = 3, .found = "x", .name = "loss"},
     "line 3: loss 'x' is not a number",
     "Zeile 3: Dämpfung „x“ ist keine Zahl"},
    {{.kind = Kind::kNegativeLoss, .line = 2, .value = -2.5},
     "line 2: loss -2.5 is negative (a file of gains has no positive value)",
     "Zeile 2: Dämpfung -2,5 ist negativ (eine Datei mit Gewinnen hat keinen positiven Wert)"},
    {{.kind = Kind::kNotAnAngle,
      .line = 9,
      .found = "x1",
      .name = "VERTICAL",
      .counts = {5, 360, 3}},
     "line 9: 'x1' is not an angle; VERTICAL (line 5) announces 360 values, found 3",
     "Zeile 9: „x1“ ist kein Winkel; VERTICAL (Zeile 5) kündigt 360 Werte an, gefunden: 3"},
    // Never raw bytes: a long text is cut, binary data is named.
    {{.kind = Kind::kNotOneNumber, .line = 1, .found = "12345678901234567890"},
     "line 1: '1234567890123456...' is not one number (a gain in dB)",
     "Zeile 1: „1234567890123456…“ ist keine einzelne Zahl (ein Gewinn in dB)"},
    {{.kind = Kind::kAngleNotNumber, .line = 4, .found = "1\t2"},
     "line 4: angle '1\\t2' is not a number",
     "Zeile 4: Winkel „1\\t2“ ist keine Zahl"},
    {{.kind = Kind::kAngleNotNumber, .line = 1, .found = "\x89PNG\x1a"},
     "line 1: angle (binary data) is not a number",
     "Zeile 1: Winkel (Binärdaten) ist keine Zahl"},
    {{.kind = Kind::kBinary, .path = "p.png", .line = 2},
     "p.png: line 2: the file holds binary data, not text",
     "p.png: Zeile 2: die Datei enthält Binärdaten, keinen Text"},
};

TEST(FileProblem, WordedInEitherLanguage) {
  for (const Case& c : kCases) {
    EXPECT_EQ(FileProblemText(c.problem, Language::kEnglish), c.english);
    EXPECT_EQ(FileProblemText(c.problem, Language::kGerman), c.german);
  }
}

TEST(FileProblem, UnknownSystemErrorNamesItsNumber) {
  const std::string english = SystemErrorText(12345, Language::kEnglish);
  EXPECT_NE(english.find("(error 12345)"), std::string::npos) << english;
  EXPECT_EQ(SystemErrorText(12345, Language::kGerman), "Fehler des Betriebssystems (Nummer 12345)");
}

bool IsCleanUtf8(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x20 || lead == 0x7F) return false;
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || at + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
    }
    at += length;
  }
  return true;
}

TEST(FileProblem, EveryTextIsCleanUtf8WhateverTheFileHeld) {
  const std::string hostile = std::string("a\x1b[31m\n\xff\xc3", 9);
  for (int kind = 0; kind <= static_cast<int>(Kind::kValueCount); ++kind) {
    const FileProblem problem{.kind = static_cast<Kind>(kind),
                              .path = "dir/\x07" + hostile,
                              .line = 4,
                              .found = hostile,
                              .name = "loss",
                              .error = 99999};
    for (const Language language : {Language::kGerman, Language::kEnglish}) {
      const std::string text = FileProblemText(problem, language);
      EXPECT_TRUE(IsCleanUtf8(text)) << kind << ": " << text;
      EXPECT_EQ(text.empty(), kind == 0) << kind;
    }
  }
}

}  // namespace
}  // namespace veltrisko
