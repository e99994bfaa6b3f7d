// SPDX-License-Identifier: MIT
#include "app/logic/pattern_file_session.h"

#include "app/logic/pattern_file_texts.h"
#include "files/atomic_file.h"
#include "interchange/pattern_export.h"
#include "model/invalid_antenna_code.h"

namespace veltrisko {

PatternFileSession::Exported PatternFileSession::ExportText(const std::string& name,
                                                            const char* horizontalCode,
                                                            const char* verticalCode, bool useHcmV7,
                                                            Language language) {
  const std::string horizontal = horizontalCode != nullptr ? horizontalCode : "";
  const std::string vertical = verticalCode != nullptr ? verticalCode : "";
  const CombinationRule rule = useHcmV7 ? CombinationRule::kV7 : CombinationRule::kV6;
  try {
    return {ExportedPairText(horizontal, vertical, rule, FormatOfPath(name)), {}};
  } catch (const InvalidAntennaCode&) {
    return {{}, InvalidCodesForExportMessage(horizontal, vertical, language)};
  }
}

std::string PatternFileSession::ExportTo(const std::string& path, const char* horizontalCode,
                                         const char* verticalCode, bool useHcmV7,
                                         Language language) {
  const Exported exported = ExportText(path, horizontalCode, verticalCode, useHcmV7, language);
  if (!exported.message.empty()) return exported.message;
  const FileProblem problem = WriteTextFileAtomicallyReporting(path, exported.text);
  return problem ? ExportFailedMessage(problem, language) : std::string();
}

std::string PatternFileSession::Take(const std::string& path, const PatternReading& reading,
                                     Language language) {
  if (!reading.file) return ImportFailedMessage(reading.problem, language);
  loadedName_ = FileNameOf(path);
  loaded_ = *reading.file;
  ++loads_;
  return {};
}

std::string PatternFileSession::ImportFrom(const std::string& path, Language language) {
  return Take(path, ReadPatternFile(path), language);
}

std::string PatternFileSession::ImportBytes(const std::string& name, std::string_view bytes,
                                            Language language) {
  return Take(name, ReadPatternBytes(name, bytes), language);
}

AlignedCuts PatternFileSession::LoadedCuts() const {
  return loaded_ ? AlignedCutsOf(*loaded_) : AlignedCuts{};
}

}  // namespace veltrisko
