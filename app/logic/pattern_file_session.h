// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interchange/pattern_alignment.h"
#include "interchange/pattern_file.h"
#include "text/language.h"

namespace veltrisko {

// "Datei -> Diagramm exportieren… / importieren…" as every viewer does it:
// the exported text of the codes in force, the import of a file, and the
// loaded file that the legend, the 2-D window and the fit follow. Messages
// come in the language asked for; an empty message means it worked.
class PatternFileSession {
 public:
  // The file of the codes and the rule in force in the format the name's
  // ending asks for; `message` says why there is none.
  struct Exported {
    std::string text;
    std::string message;
  };
  static Exported ExportText(const std::string& name, const char* horizontalCode,
                             const char* verticalCode, bool useHcmV7, Language language);
  // Exports and writes the file whole, or not at all.
  static std::string ExportTo(const std::string& path, const char* horizontalCode,
                              const char* verticalCode, bool useHcmV7, Language language);

  // Reads a file; on success it becomes the loaded one.
  std::string ImportFrom(const std::string& path, Language language);
  // The same for bytes in memory under a file's name.
  std::string ImportBytes(const std::string& name, std::string_view bytes, Language language);

  // The loaded file's name without folders; empty while none is loaded.
  const std::string& LoadedName() const { return loadedName_; }
  const std::optional<PatternFile>& Loaded() const { return loaded_; }
  // Its cuts as the 2-D window and the fit draw them, each turned to its
  // own maximum.
  AlignedCuts LoadedCuts() const;
  // How many files were loaded so far: a new number is a new file, even
  // under the name of the last one.
  unsigned Loads() const { return loads_; }

 private:
  std::string Take(const std::string& path, const PatternReading& reading, Language language);

  std::string loadedName_;
  std::optional<PatternFile> loaded_;
  unsigned loads_ = 0;
};

}  // namespace veltrisko
