// SPDX-License-Identifier: MIT
#include <cerrno>
#include <cstring>

#include "text/file_problem.h"

namespace veltrisko {
namespace {

struct SystemError {
  int error;
  Text text;
};

// The causes a user meets with files. The English sentences are the C
// library's own, so that the command-line tool reads as before; Windows's
// C runtime maps its system errors onto these numbers.
const SystemError kSystemErrors[] = {
    {ENOENT, {"Datei oder Ordner nicht gefunden", "No such file or directory"}},
    {EACCES, {"Zugriff verweigert", "Permission denied"}},
    {EPERM, {"Vorgang nicht erlaubt", "Operation not permitted"}},
    {ENOSPC, {"Kein Platz mehr auf dem Datenträger", "No space left on device"}},
    {EISDIR, {"Das ist ein Ordner", "Is a directory"}},
    {ENOTDIR, {"Ein Teil des Pfads ist kein Ordner", "Not a directory"}},
    {EROFS, {"Das Dateisystem ist schreibgeschützt", "Read-only file system"}},
    {EEXIST, {"Die Datei besteht bereits", "File exists"}},
    {ENAMETOOLONG, {"Der Dateiname ist zu lang", "File name too long"}},
    {EMFILE, {"Zu viele offene Dateien", "Too many open files"}},
    {EIO, {"Ein-/Ausgabefehler", "Input/output error"}},
    {EFBIG, {"Die Datei ist zu groß", "File too large"}},
    {ELOOP, {"Zu viele symbolische Verknüpfungen", "Too many levels of symbolic links"}},
    {EBUSY, {"Gerät oder Ressource belegt", "Device or resource busy"}},
    {EINVAL, {"Ungültiges Argument", "Invalid argument"}},
    {EXDEV, {"Verschieben zwischen Datenträgern nicht möglich", "Invalid cross-device link"}},
#ifdef EDQUOT
    {EDQUOT, {"Das Speicherkontingent ist erschöpft", "Disk quota exceeded"}},
#endif
};

}  // namespace

std::string SystemErrorText(int error, Language language) {
  for (const SystemError& known : kSystemErrors) {
    if (known.error == error) return InString(language, known.text);
  }
  if (language == Language::kGerman) {
    return "Fehler des Betriebssystems (Nummer " + std::to_string(error) + ")";
  }
  // The system's words, kept to one line of printable text.
  std::string text = std::strerror(error);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return text + " (error " + std::to_string(error) + ")";
}

}  // namespace veltrisko
