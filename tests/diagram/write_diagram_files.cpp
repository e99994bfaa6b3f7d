// SPDX-License-Identifier: MIT
// Writes what the 2-D window exports for one state, for comparing the
// Windows viewer's files with these byte for byte:
//   write_diagram_files H V v6|v7 polar|cartesian OUTPUT_PREFIX [PATTERN_FILE]
// makes OUTPUT_PREFIX.svg, OUTPUT_PREFIX-horizontal.csv and
// OUTPUT_PREFIX-vertical.csv.
#include <cstdio>
#include <filesystem>
#include <string>

#include "diagram/diagram_files.h"
#include "diagram/diagram_window_model.h"
#include "files/atomic_file.h"
#include "interchange/pattern_alignment.h"
#include "interchange/pattern_file.h"

using namespace veltrisko;

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: %s H V v6|v7 polar|cartesian OUTPUT_PREFIX [PATTERN_FILE]\n",
                 argv[0]);
    return 2;
  }
  // The window's model, as both viewers hold it.
  DiagramWindowModel model(kDefaultLanguage, DiagramStyleOfSetting(argv[4]));
  model.Follow(argv[1], argv[2], std::string(argv[3]) == "v7");
  if (argc == 7) {
    const PatternReading reading = ReadPatternFile(argv[6]);
    if (!reading.file) {
      std::fprintf(stderr, "%s\n", reading.error.c_str());
      return 1;
    }
    const AlignedCuts cuts = AlignedCutsOf(*reading.file);
    model.SetImportedCuts(std::filesystem::path(argv[6]).filename().string(), cuts.horizontal,
                          cuts.vertical);
  }
  const DiagramInput& input = model.Input();
  const std::string prefix = argv[5];
  for (const auto& [path, text] :
       {std::pair{prefix + ".svg", DiagramSvg(input)},
        std::pair{prefix + "-horizontal.csv", DiagramCsv(input, CutKind::kHorizontal)},
        std::pair{prefix + "-vertical.csv", DiagramCsv(input, CutKind::kVertical)}}) {
    const std::string problem = WriteTextFileAtomically(path, text);
    if (!problem.empty()) {
      std::fprintf(stderr, "%s\n", problem.c_str());
      return 1;
    }
  }
  return 0;
}
