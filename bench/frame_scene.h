// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/pattern_frame.h"
#include "scene/scene_state.h"

namespace veltrisko {

// The codes and the view every frame benchmark draws, natively and in
// WebAssembly (bench/web_frame_bench.cpp).
inline constexpr const char* kHorizontal = "030EA10";
inline constexpr const char* kVertical = "020EA05";

inline SceneState BenchScene(bool useV7, int step) {
  SceneState scene;
  scene.useHcmV7 = useV7;
  scene.resolutionStep = step;
  // Off the axes and across a pole, as a turned view would be.
  scene.azimuth = 30.0f;
  scene.elevation = 20.0f;
  return scene;
}

// Takes every call of a frame and keeps only a count.
class CountingSink final : public DrawSink {
 public:
  void Begin(PrimitiveMode) override { ++count; }
  void End() override { ++count; }
  void Vertex(const Vector3&) override { ++count; }
  void Normal(const Vector3&) override { ++count; }
  void Colour3(std::uint8_t, std::uint8_t, std::uint8_t) override { ++count; }
  void Colour4(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) override { ++count; }
  void LineWidth(float) override { ++count; }
  void DisableBlend() override { ++count; }
  std::size_t count = 0;
};

}  // namespace veltrisko
