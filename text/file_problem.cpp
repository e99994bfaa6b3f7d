// SPDX-License-Identifier: MIT
#include "text/file_problem.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace veltrisko {
namespace {

using Kind = FileProblemKind;

constexpr std::size_t kMostQuotedCharacters = 16;

// The length of the UTF-8 sequence starting text[at], or nothing when it is
// not one (overlong forms, surrogates and values above U+10FFFF included).
std::optional<std::size_t> Utf8Length(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || at + length > text.size()) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
  }
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
    return std::nullopt;
  }
  return length;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// A path as given, with a control character or a byte that is no UTF-8
// shown as '?'.
std::string ShownPath(const std::string& path) {
  std::string shown;
  for (std::size_t at = 0; at < path.size();) {
    const std::optional<std::size_t> length = Utf8Length(path, at);
    if (!length || IsControl(static_cast<unsigned char>(path[at]))) {
      shown += '?';
      ++at;
    } else {
      shown.append(path, at, *length);
      at += *length;
    }
  }
  return shown;
}

std::string Quoted(Language language, const std::string& text) {
  return language == Language::kEnglish ? "'" + text + "'" : "„" + text + "“";
}

// Up to kMostQuotedCharacters of `text`; nothing when it is no printable
// UTF-8 text.
std::optional<std::string> Excerpt(const std::string& text, Language language) {
  std::string excerpt;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::optional<std::size_t> length = Utf8Length(text, at);
    if (!length || (IsControl(c) && c != '\t')) return std::nullopt;
    if (characters < kMostQuotedCharacters) {
      excerpt += c == '\t' ? std::string("\\t") : text.substr(at, *length);
    } else if (characters == kMostQuotedCharacters) {
      excerpt += language == Language::kEnglish ? "..." : "…";
    }
    ++characters;
    at += *length;
  }
  return excerpt;
}

std::string BinaryData(Language language) {
  return language == Language::kEnglish ? "binary data" : "Binärdaten";
}

// What the file holds, quoted; binary data in brackets instead.
std::string QuotedFound(Language language, const std::string& found) {
  const std::optional<std::string> excerpt = Excerpt(found, language);
  if (excerpt) return Quoted(language, *excerpt);
  // Appended, not concatenated: mingw's GCC 12 warns falsely about the latter.
  std::string bracketed = "(";
  return bracketed.append(BinaryData(language)).append(")");
}

std::string Number(double value, Language language) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  std::string number = text;
  if (language == Language::kGerman) std::replace(number.begin(), number.end(), '.', ',');
  return number;
}

std::string Count(long count) { return std::to_string(count); }

// "1 Feld", "3 Felder"
std::string Fields(long count) { return Count(count) + (count == 1 ? " Feld" : " Felder"); }

std::string GermanValueName(const std::string& name) {
  if (name == "loss") return "Dämpfung";
  if (name == "gain") return "Gewinn";
  if (name == "field") return "Feldstärke";
  return "Wert";
}

// "HORIZONTAL (line 3) announces 360 values, found 12"
std::string Shortfall(const FileProblem& p, Language language) {
  if (language == Language::kEnglish) {
    return p.name + " (line " + Count(p.counts[0]) + ") announces " + Count(p.counts[1]) +
           " values, found " + Count(p.counts[2]);
  }
  return p.name + " (Zeile " + Count(p.counts[0]) + ") kündigt " + Count(p.counts[1]) +
         " Werte an, gefunden: " + Count(p.counts[2]);
}

std::string RepeatedAngle(const FileProblem& p, Language language) {
  const std::string angle = Number(p.value, language);
  if (language == Language::kEnglish) {
    return p.name + " angle " + angle + " is given twice with different losses";
  }
  const std::string where = p.name == "horizontal" ? "des horizontalen Schnitts"
                            : p.name == "vertical" ? "des vertikalen Schnitts"
                                                   : "im Abschnitt " + p.name;
  return "Winkel " + angle + " " + where + " ist zweimal mit verschiedenen Dämpfungen angegeben";
}

// The problem of a line, without the place.
std::string LineProblem(const FileProblem& p, Language language) {
  const bool en = language == Language::kEnglish;
  const auto say = [en](const std::string& english, const std::string& german) {
    return en ? english : german;
  };
  const std::string found = QuotedFound(language, p.found);
  const std::string bare = QuotableExcerpt(p.found, language);
  const std::string n0 = Count(p.counts[0]);
  const std::string n1 = Count(p.counts[1]);
  switch (p.kind) {
    case Kind::kBinary:
      return say("the file holds binary data, not text",
                 "die Datei enthält Binärdaten, keinen Text");
    case Kind::kColumnCount:
      return say(
          "expected 2 columns (angle, loss) or 3 (angle, horizontal loss, vertical loss), "
          "found " +
              n0,
          "erwartet 2 Spalten (Winkel, Dämpfung) oder 3 (Winkel, horizontale Dämpfung, "
          "vertikale Dämpfung), gefunden: " +
              n0);
    case Kind::kHeaderNamesNoColumn:
      return say("the header names no angle or loss column (for example 'angle,loss')",
                 "die Kopfzeile nennt keine Winkel- oder Dämpfungsspalte (zum Beispiel "
                 "„Winkel,Dämpfung“)");
    case Kind::kFieldCount:
      return say("expected " + n0 + " fields, found " + n1,
                 "erwartet " + Fields(p.counts[0]) + ", gefunden: " + Fields(p.counts[1]));
    case Kind::kNoValues:
      return say("the file holds no values", "die Datei enthält keine Werte");
    case Kind::kOneValue:
      return p.counts[0] == 3
                 ? say("each cut has only one value; a pattern needs at least " + n1,
                       "jeder Schnitt hat nur einen Wert; ein Diagramm braucht mindestens " + n1)
                 : say("the cut has only one value; a pattern needs at least " + n1,
                       "der Schnitt hat nur einen Wert; ein Diagramm braucht mindestens " + n1);
    case Kind::kAngleNotNumber:
      return say("angle " + found + " is not a number", "Winkel " + found + " ist keine Zahl");
    case Kind::kValueNotNumber:
      return say(p.name + " " + found + " is not a number",
                 GermanValueName(p.name) + " " + found + " ist keine Zahl");
    case Kind::kAngleOutside:
      return say("angle " + bare + " lies outside " + n0 + " to 360",
                 "Winkel " + bare + " liegt außerhalb von " + n0 + " bis 360");
    case Kind::kNegativeLoss:
      return say("loss " + Number(p.value, language) +
                     " is negative (a file of gains has no positive value)",
                 "Dämpfung " + Number(p.value, language) +
                     " ist negativ (eine Datei mit Gewinnen hat keinen positiven Wert)");
    case Kind::kRepeatedAngle:
      return RepeatedAngle(p, language);
    case Kind::kNotAnAngle:
      return say(found + " is not an angle; ", found + " ist kein Winkel; ") +
             Shortfall(p, language);
    case Kind::kAngleLossFields:
      return say("expected 'angle loss', found " + n0 + " fields",
                 "erwartet „Winkel Dämpfung“, gefunden: " + Fields(p.counts[0]));
    case Kind::kValueOutsideSection:
      return say(
          "a value outside a HORIZONTAL or VERTICAL section (more values than the "
          "section announces?)",
          "ein Wert außerhalb eines Abschnitts HORIZONTAL oder VERTICAL (mehr Werte, als "
          "der Abschnitt ankündigt?)");
    case Kind::kSecondSection:
      return say("a second " + p.name + " section (the first is on line " + n0 + ")",
                 "ein zweiter Abschnitt " + p.name + " (der erste steht in Zeile " + n0 + ")");
    case Kind::kSectionCount:
      return say(p.name + " needs the count of its values (1 to " + n0 + ")",
                 p.name + " braucht die Anzahl seiner Werte (1 bis " + n0 + ")");
    case Kind::kEndsInSection:
      return say("the file ends before ", "die Datei endet zu früh: ") + Shortfall(p, language);
    case Kind::kNoSection:
      return say("the file ends without a " + p.name + " section",
                 "die Datei endet ohne Abschnitt " + p.name);
    case Kind::kCutShortfall:
      return say("NUPOIN announces " + n0 + " values, found " + n1,
                 "NUPOIN kündigt " + n0 + " Werte an, gefunden: " + n1);
    case Kind::kValueOutsideCut:
      return say("a value outside a cut (no NUPOIN before it, or more values than it announces)",
                 "ein Wert außerhalb eines Schnitts (kein NUPOIN davor oder mehr Werte, als "
                 "NUPOIN ankündigt)");
    case Kind::kAngleGainFields:
      return say("expected 'angle,gain', found " + n0 + " fields",
                 "erwartet „Winkel,Gewinn“, gefunden: " + Fields(p.counts[0]));
    case Kind::kCutShortfallAt:
      return say(
          "NUPOIN (line " + n0 + ") announces " + n1 + " values, found " + Count(p.counts[2]),
          "NUPOIN (Zeile " + n0 + ") kündigt " + n1 + " Werte an, gefunden: " + Count(p.counts[2]));
    case Kind::kCutCount:
      return say("NUPOIN needs the count of the cut's values (1 to " + n0 + ")",
                 "NUPOIN braucht die Anzahl der Werte des Schnitts (1 bis " + n0 + ")");
    case Kind::kEndsInCut:
      return say("the file ends before NUPOIN (line " + n0 + ") has its " + n1 + " values",
                 "die Datei endet, bevor NUPOIN (Zeile " + n0 + ") seine " + n1 + " Werte hat");
    case Kind::kNoCut:
      return say("the file holds no horizontal (H, AZ) or vertical (V, EL) cut",
                 "die Datei enthält keinen horizontalen (H, AZ) oder vertikalen (V, EL) Schnitt");
    case Kind::kAngleValueFields:
      return say("expected 'angle, value', found " + n0 + " fields",
                 "erwartet „Winkel, Wert“, gefunden: " + Fields(p.counts[0]));
    case Kind::kNegativeField:
      return say("field " + bare + " is negative", "Feldstärke " + bare + " ist negativ");
    case Kind::kNoQuotedName:
      return say("expected 'name', gain, kind (a quoted name first)",
                 "erwartet 'Name', Gewinn, Art (zuerst ein Name in Hochkommas)");
    case Kind::kHeaderLine:
      return say("expected 'name', gain, kind (1: relative field, 2: dB)",
                 "erwartet 'Name', Gewinn, Art (1: relative Feldstärke, 2: dB)");
    case Kind::kSliceCounts:
      return say("expected the number of vertical slices and of their values",
                 "erwartet die Anzahl der vertikalen Schnitte und ihrer Werte");
    case Kind::kSliceAzimuth:
      return say("expected the azimuth of vertical slice " + n0,
                 "erwartet den Azimut des vertikalen Schnitts " + n0);
    case Kind::kTextAfterSlices:
      return say("text after the last vertical slice", "Text nach dem letzten vertikalen Schnitt");
    case Kind::kEndsBeforeHeader:
      return say("the file ends before its first line 'name', gain, kind",
                 "die Datei endet vor ihrer ersten Zeile 'Name', Gewinn, Art");
    case Kind::kNoHorizontalValues:
      return say("the file holds no horizontal values",
                 "die Datei enthält keine horizontalen Werte");
    case Kind::kEndsInSlice:
      return say("the file ends inside vertical slice " + n0 + " of " + n1,
                 "die Datei endet im vertikalen Schnitt " + n0 + " von " + n1);
    case Kind::kNotOneNumber:
      return say(found + " is not one number (a gain in dB)",
                 found + " ist keine einzelne Zahl (ein Gewinn in dB)");
    case Kind::kTooManyValues:
      return say("more than 720 values (360 horizontal, 360 vertical)",
                 "mehr als 720 Werte (360 horizontale, 360 vertikale)");
    case Kind::kValueCount:
      return say("a Radio Mobile file holds 360 or 720 values, found " + n0,
                 "eine Radio-Mobile-Datei enthält 360 oder 720 Werte, gefunden: " + n0);
    default:
      return {};
  }
}

std::string WriteCause(const FileProblem& p, Language language) {
  if (p.error != 0) return SystemErrorText(p.error, language);
  if (language == Language::kEnglish) return p.systemText.empty() ? "write failed" : p.systemText;
  return p.systemText.empty() ? "Schreiben fehlgeschlagen" : "Fehler des Betriebssystems";
}

}  // namespace

std::string QuotableExcerpt(const std::string& text, Language language) {
  return Excerpt(text, language).value_or(BinaryData(language));
}

std::string FileProblemText(const FileProblem& p, Language language) {
  const bool en = language == Language::kEnglish;
  const std::string path = Quoted(language, ShownPath(p.path));
  switch (p.kind) {
    case Kind::kNone:
      return {};
    case Kind::kTooLarge:
      if (p.path.empty())
        return en ? "the text is larger than 10 MB" : "Der Text ist größer als 10 MB";
      return path + (en ? " is larger than 10 MB" : " ist größer als 10 MB");
    case Kind::kCannotOpen:
      return (en ? "cannot open " + path : path + " kann nicht geöffnet werden") + ": " +
             SystemErrorText(p.error, language);
    case Kind::kCannotRead:
      return en ? "cannot read " + path : path + " kann nicht gelesen werden";
    case Kind::kFolder:
      return path + (en ? " is a folder, not a file" : " ist ein Ordner, keine Datei");
    case Kind::kCannotWrite: {
      const std::string file =
          p.path == "-" ? Quoted(language, en ? "standard output" : "Standardausgabe") : path;
      return (en ? "cannot write " + file : file + " kann nicht geschrieben werden") + ": " +
             WriteCause(p, language);
    }
    case Kind::kEmptyFileName:
      return en ? "cannot write '': empty file name"
                : "Die Datei kann nicht geschrieben werden: kein Dateiname";
    default:
      break;
  }
  std::string place;
  if (!p.path.empty()) {
    place = (p.path == "-" ? std::string(en ? "standard input" : "Standardeingabe")
                           : ShownPath(p.path)) +
            ": ";
  }
  if (p.line > 0) place += (en ? "line " : "Zeile ") + std::to_string(p.line) + ": ";
  return place + LineProblem(p, language);
}

}  // namespace veltrisko
