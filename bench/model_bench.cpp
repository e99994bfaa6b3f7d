// SPDX-License-Identifier: MIT
// Cost of one evaluation by the text path (the code is read anew on every
// call) and by a parsed code, side by side for every family and both rules.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "model/combination.h"
#include "model/component_attenuation.h"
#include "model/parsed_antenna_code.h"

namespace veltrisko {
namespace {

// Angles sweep so that no result can be folded into a constant.
constexpr std::size_t kAngleCount = 256;

std::array<float, kAngleCount> SweepAngles(float from, float to) {
  std::array<float, kAngleCount> angles{};
  for (std::size_t i = 0; i < kAngleCount; ++i) {
    angles[i] = from + (to - from) * static_cast<float>(i) / kAngleCount;
  }
  return angles;
}

const std::array<float, kAngleCount> kAzimuths = SweepAngles(-180.0f, 180.0f);
const std::array<float, kAngleCount> kElevations = SweepAngles(-90.0f, 90.0f);

void ComponentText(benchmark::State& state, const char* code) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComponentAttenuation(code, kAzimuths[i++ % kAngleCount], true));
  }
}

void ComponentParsed(benchmark::State& state, const char* code) {
  const ParsedAntennaCode parsed(code);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parsed.ComponentAttenuation(kAzimuths[i++ % kAngleCount], true));
  }
}

template <typename Code, typename Rule>
void Combination(benchmark::State& state, const Code& horizontal, const Code& vertical, Rule rule) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++;
    benchmark::DoNotOptimize(rule(kAzimuths[k % kAngleCount],
                                  kElevations[(k / kAngleCount + k) % kAngleCount], horizontal,
                                  vertical));
  }
}

const char* const kFamilyCodes[][2] = {
    {"EA", "030EA10"}, {"EB", "045EB05"}, {"EC", "045EC00"}, {"DE", "030DE00"}, {"LA", "060LA05"},
    {"KA", "050KA00"}, {"CA", "050CA00"}, {"CB", "050CB00"}, {"CC", "050CC00"}, {"TA", "100TA05"},
    {"ND", "000ND00"}, {"V", "130VA20"},  {"W", "099WA91"}};

constexpr const char* kHorizontal = "030EA10";
constexpr const char* kVertical = "020EA05";

int RegisterAll() {
  for (const auto& [family, code] : kFamilyCodes) {
    benchmark::RegisterBenchmark((std::string("Component/") + family + "/text").c_str(),
                                 ComponentText, code);
    benchmark::RegisterBenchmark((std::string("Component/") + family + "/parsed").c_str(),
                                 ComponentParsed, code);
  }
  static const ParsedAntennaCode parsedH(kHorizontal);
  static const ParsedAntennaCode parsedV(kVertical);
  const auto v6Text = [](float az, float el, const char* h, const char* v) {
    return CombinedAttenuationV6(az, el, h, v);
  };
  const auto v6Parsed = [](float az, float el, const ParsedAntennaCode& h,
                           const ParsedAntennaCode& v) {
    return CombinedAttenuationV6(az, el, h, v);
  };
  const auto v7Text = [](float az, float el, const char* h, const char* v) {
    return CombinedAttenuationV7(az, el, h, v);
  };
  const auto v7Parsed = [](float az, float el, const ParsedAntennaCode& h,
                           const ParsedAntennaCode& v) {
    return CombinedAttenuationV7(az, el, h, v);
  };
  benchmark::RegisterBenchmark("CombinationV6/text", Combination<const char*, decltype(v6Text)>,
                               kHorizontal, kVertical, v6Text);
  benchmark::RegisterBenchmark("CombinationV6/parsed",
                               Combination<ParsedAntennaCode, decltype(v6Parsed)>, parsedH, parsedV,
                               v6Parsed);
  benchmark::RegisterBenchmark("CombinationV7/text", Combination<const char*, decltype(v7Text)>,
                               kHorizontal, kVertical, v7Text);
  benchmark::RegisterBenchmark("CombinationV7/parsed",
                               Combination<ParsedAntennaCode, decltype(v7Parsed)>, parsedH, parsedV,
                               v7Parsed);
  return 0;
}

const int kRegistered = RegisterAll();

}  // namespace
}  // namespace veltrisko
