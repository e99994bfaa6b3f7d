// SPDX-License-Identifier: MIT
// Arbitrary code bytes and angle bits through the component rule, both
// combination rules and parsed codes. Aborts on any result outside the
// rule's range and on any difference between the text and the parsed path.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/combination.h"
#include "model/component_attenuation.h"
#include "model/invalid_antenna_code.h"
#include "model/parsed_antenna_code.h"
#include "tests/model/evaluation_outcome.h"

namespace {

using veltrisko::Outcome;
using veltrisko::Throws;
using veltrisko::ValueOf;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "model_fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string h = input.ConsumeRandomLengthString(16);
  const std::string v = input.ConsumeRandomLengthString(16);
  const auto azimuth = std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>());
  const auto elevation = std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>());
  const veltrisko::ParsedAntennaCode parsedH(h.c_str());
  const veltrisko::ParsedAntennaCode parsedV(v.c_str());

  for (const bool linear : {true, false}) {
    const std::string text =
        Outcome([&] { return veltrisko::ComponentAttenuation(h.c_str(), azimuth, linear); });
    Require(text == Outcome([&] { return parsedH.ComponentAttenuation(azimuth, linear); }),
            "parsed component differs from the text");
    if (Throws(text)) continue;
    const double value = ValueOf<double>(text);
    if (linear) {
      Require(value >= 0.01 && value <= 1.0, "relative field outside [0.01, 1]");
    } else {
      Require(!std::isnan(value) && value >= -40.0, "gain below -40 dB or not a number");
    }
  }

  const std::string v6 = Outcome(
      [&] { return veltrisko::CombinedAttenuationV6(azimuth, elevation, h.c_str(), v.c_str()); });
  Require(v6 == Outcome([&] {
            return veltrisko::CombinedAttenuationV6(azimuth, elevation, parsedH, parsedV);
          }),
          "parsed V6 differs from the text");
  if (!Throws(v6)) {
    const float value = ValueOf<float>(v6);
    Require(!std::isnan(value) && value <= 40.0f, "V6 above 40 dB or not a number");
  }

  const std::string v7 = Outcome(
      [&] { return veltrisko::CombinedAttenuationV7(azimuth, elevation, h.c_str(), v.c_str()); });
  Require(v7 == Outcome([&] {
            return veltrisko::CombinedAttenuationV7(azimuth, elevation, parsedH, parsedV);
          }),
          "parsed V7 differs from the text");
  if (!Throws(v7)) {
    const double value = ValueOf<double>(v7);
    Require(value >= 0.0 && value <= 40.0, "V7 outside [0, 40] dB");
  }
  return 0;
}
