// SPDX-License-Identifier: MIT
#include "fit/fit_report.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace veltrisko {
namespace {

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value + 0.0);
  return text;
}

std::string Degrees(const std::optional<double>& value) {
  return value ? Format("%.1f deg", *value) : std::string("none");
}

const char* FormatTitle(PatternFormat format) {
  switch (format) {
    case PatternFormat::kCsv:
      return "CSV";
    case PatternFormat::kNsma:
      return "NSMA";
    case PatternFormat::kEdx:
      return "EDX";
    case PatternFormat::kRadioMobile:
      return "Radio Mobile";
    case PatternFormat::kMsi:
      break;
  }
  return "MSI Planet";
}

// "075KA00 .. 075KA19 (20 codes)" for a result of several codes.
std::string CodesColumn(const RankedCode& result) {
  if (result.equalCodes.size() <= 1) return result.code;
  std::string first = result.equalCodes.front();
  std::string last = first;
  for (const std::string& code : result.equalCodes) {
    first = std::min(first, code);
    last = std::max(last, code);
  }
  return first + " .. " + last + " (" + std::to_string(result.equalCodes.size()) + " codes)";
}

std::string Table(const std::vector<RankedCode>& results) {
  std::string text =
      "  rank  codes                             max dev  rms     mean excess  (dB)\n";
  char line[256];
  for (std::size_t i = 0; i < results.size(); ++i) {
    std::snprintf(line, sizeof line, "  %4zu  %-32s  %7.2f  %6.2f  %11.2f\n", i + 1,
                  CodesColumn(results[i]).c_str(), results[i].score.maxDeviation, results[i].Rms(),
                  results[i].MeanExcess());
    text += line;
  }
  return text;
}

std::string Json(const std::optional<double>& value) {
  return value ? Format("%.4f", *value) : std::string("null");
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string JsonResults(const std::optional<CutFit>& cut) {
  if (!cut) return "null";
  std::string text = "[";
  for (std::size_t i = 0; i < cut->results.size(); ++i) {
    const RankedCode& result = cut->results[i];
    text += i == 0 ? "\n    {\"codes\": [" : ",\n    {\"codes\": [";
    for (std::size_t c = 0; c < result.equalCodes.size(); ++c) {
      text += (c == 0 ? "" : ", ") + JsonString(result.equalCodes[c]);
    }
    text += "], \"max_deviation_db\": " + Json(result.score.maxDeviation) +
            ", \"rms_db\": " + Json(result.Rms()) +
            ", \"mean_excess_db\": " + Json(result.MeanExcess()) + "}";
  }
  return text + (cut->results.empty() ? "]" : "\n  ]");
}

std::string JsonDeviation(const PairDeviation& deviation) {
  return "{\"max_deviation_db\": " + Json(deviation.maxDeviation) +
         ", \"rms_db\": " + Json(deviation.rms) + "}";
}

}  // namespace

std::string FitText(const std::string& path, PatternFormat format, const PatternFit& fit,
                    bool exhaustive) {
  const bool envelope = fit.criterion == FitCriterion::kEnvelope;
  std::string text = "File: " + path + " (" + FormatTitle(format) + ")\n";
  if (fit.aligned) {
    text += "Main direction: azimuth " + Degrees(fit.HorizontalMainDirection()) + ", elevation " +
            Degrees(fit.VerticalMainElevation()) +
            "; codes are fitted relative to it, each cut normalised to 0 dB at its maximum\n";
  } else {
    text += "Main direction found: azimuth " + Degrees(fit.HorizontalMainDirection()) +
            ", elevation " + Degrees(fit.VerticalMainElevation()) +
            "; codes are fitted to the file's own 0 and losses (--no-align)\n";
  }
  text += "3-dB beamwidth: horizontal " + Degrees(fit.HorizontalBeamwidth()) + ", vertical " +
          Degrees(fit.VerticalBeamwidth()) + "\n";
  const std::optional<double> frontToBack = fit.FrontToBack();
  text += "Front-to-back ratio: " +
          (frontToBack ? Format("%.1f dB", *frontToBack) : std::string("none")) + "\n";
  text += std::string("Criterion: ") + (envelope ? "envelope" : "rms");
  if (envelope) text += ", tolerance " + Format("%g dB", fit.toleranceDb);
  text += "; " + std::to_string(fit.codesSearched) + " codes per component" +
          (exhaustive ? ", evaluated exhaustively" : "") + "\n\n";
  for (const auto& [name, cut] :
       {std::pair{"horizontal", &fit.horizontal}, std::pair{"vertical", &fit.vertical}}) {
    if (!*cut) continue;
    text += std::string("The ") + name + " component against the " + name + " cut:\n";
    if ((*cut)->noDirectionalCode) {
      text +=
          "  No directional code stays within the envelope: only non-directional codes "
          "(such as 000ND00) do,\n  although the cut has a main lobe. The best codes by "
          "RMS instead:\n";
    }
    text += Table((*cut)->results) + "\n";
  }
  if (fit.bestPair) {
    const PairCheck& pair = *fit.bestPair;
    text += "The best pair " + pair.horizontal + " " + pair.vertical +
            ", combined, against both cuts:\n";
    text += "  V6: max dev " + Format("%.2f dB", pair.v6.maxDeviation) + ", rms " +
            Format("%.2f dB", pair.v6.rms) + "\n";
    text += "  V7: max dev " + Format("%.2f dB", pair.v7.maxDeviation) + ", rms " +
            Format("%.2f dB", pair.v7.rms) + "\n";
  }
  return text;
}

std::string FitCsvHeader(bool withFile) {
  return std::string(withFile ? "file," : "") +
         "component,rank,code,max_deviation_db,rms_db,mean_excess_db\n";
}

std::string FitCsvRows(const std::string& path, const PatternFit& fit, bool withFile) {
  // A name with a comma or quote is quoted.
  std::string file;
  if (withFile) {
    if (path.find_first_of(",\"\r\n") == std::string::npos) {
      file = path;
    } else {
      file = "\"";
      for (const char c : path) file += c == '"' ? std::string("\"\"") : std::string(1, c);
      file += "\"";
    }
    file += ",";
  }
  std::string text;
  char numbers[128];
  for (const auto& [name, cut] :
       {std::pair{"horizontal", &fit.horizontal}, std::pair{"vertical", &fit.vertical}}) {
    if (!*cut) continue;
    for (std::size_t i = 0; i < (*cut)->results.size(); ++i) {
      const RankedCode& result = (*cut)->results[i];
      std::snprintf(numbers, sizeof numbers, "%.4f,%.4f,%.4f", result.score.maxDeviation,
                    result.Rms(), result.MeanExcess());
      for (const std::string& code : result.equalCodes) {
        text += file + name + "," + std::to_string(i + 1) + "," + code + "," + numbers + "\n";
      }
    }
  }
  if (fit.bestPair) {
    const PairCheck& pair = *fit.bestPair;
    for (const auto& [rule, deviation] : {std::pair{"v6", &pair.v6}, std::pair{"v7", &pair.v7}}) {
      std::snprintf(numbers, sizeof numbers, "%.4f,%.4f,", deviation->maxDeviation, deviation->rms);
      text += file + "combined_" + rule + ",1," + pair.horizontal + " " + pair.vertical + "," +
              numbers + "\n";
    }
  }
  return text;
}

std::string FitJson(const std::string& path, PatternFormat format, const PatternFit& fit) {
  const bool envelope = fit.criterion == FitCriterion::kEnvelope;
  std::string text = "{\n";
  text += "  \"file\": " + JsonString(path) + ",\n";
  text += "  \"format\": " + JsonString(FormatName(format)) + ",\n";
  text += std::string("  \"criterion\": \"") + (envelope ? "envelope" : "rms") + "\",\n";
  text += "  \"tolerance_db\": " + (envelope ? Json(fit.toleranceDb) : std::string("null")) + ",\n";
  text += "  \"horizontal_main_direction_deg\": " + Json(fit.HorizontalMainDirection()) + ",\n";
  text += "  \"vertical_main_elevation_deg\": " + Json(fit.VerticalMainElevation()) + ",\n";
  text += "  \"horizontal_beamwidth_3db_deg\": " + Json(fit.HorizontalBeamwidth()) + ",\n";
  text += "  \"vertical_beamwidth_3db_deg\": " + Json(fit.VerticalBeamwidth()) + ",\n";
  text += "  \"front_to_back_db\": " + Json(fit.FrontToBack()) + ",\n";
  text += "  \"horizontal\": " + JsonResults(fit.horizontal) + ",\n";
  text += "  \"vertical\": " + JsonResults(fit.vertical) + ",\n";
  text += "  \"best_pair\": ";
  if (fit.bestPair) {
    const PairCheck& pair = *fit.bestPair;
    text += "{\"horizontal\": " + JsonString(pair.horizontal) +
            ", \"vertical\": " + JsonString(pair.vertical) + ", \"v6\": " + JsonDeviation(pair.v6) +
            ", \"v7\": " + JsonDeviation(pair.v7) + "}";
  } else {
    text += "null";
  }
  return text + "\n}";
}

}  // namespace veltrisko
