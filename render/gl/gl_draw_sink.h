// SPDX-License-Identifier: MIT
#pragma once

#include "render/draw_list.h"

namespace veltrisko {

// Sends each call of a frame to the current OpenGL context as it comes.
class GlDrawSink final : public DrawSink {
 public:
  void Begin(PrimitiveMode mode) override;
  void End() override;
  void Vertex(const Vector3& p) override;
  void Normal(const Vector3& n) override;
  void Colour3(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
  void Colour4(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override;
  void LineWidth(float width) override;
  void DisableBlend() override;
};

}  // namespace veltrisko
