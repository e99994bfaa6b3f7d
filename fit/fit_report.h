// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "fit/pattern_fit.h"

namespace veltrisko {

// The fit of one file as `fit` prints it: a text report, CSV rows or a JSON
// object. `withFile`: the CSV rows start with the file's name (several files).
std::string FitText(const std::string& path, PatternFormat format, const PatternFit& fit,
                    bool exhaustive);
std::string FitCsvHeader(bool withFile);
std::string FitCsvRows(const std::string& path, const PatternFit& fit, bool withFile);
std::string FitJson(const std::string& path, PatternFormat format, const PatternFit& fit);

}  // namespace veltrisko
