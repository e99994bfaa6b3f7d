// SPDX-License-Identifier: MIT
#include "app/logic/window_place.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace veltrisko {
namespace {

// A kept frame smaller than this is not a place anybody chose.
constexpr long long kSmallestSide = 100;

bool FitsInt(long long value) {
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

}  // namespace

std::optional<WindowPlace> WindowPlaceOfText(std::string_view text) {
  std::istringstream words{std::string(text)};
  long long left = 0, top = 0, right = 0, bottom = 0;
  std::string state;
  if (!(words >> left >> top >> right >> bottom >> state) ||
      (state != "normal" && state != "maximized"))
    return std::nullopt;
  if (!FitsInt(left) || !FitsInt(top) || !FitsInt(right) || !FitsInt(bottom)) return std::nullopt;
  const long long width = right - left, height = bottom - top;
  if (width < kSmallestSide || height < kSmallestSide || !FitsInt(width) || !FitsInt(height))
    return std::nullopt;
  return WindowPlace{{static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                      static_cast<int>(height)},
                     state == "maximized"};
}

std::string WindowPlaceText(const WindowPlace& place) {
  const LegendRect& f = place.frame;
  return std::to_string(f.x) + " " + std::to_string(f.y) + " " +
         std::to_string(static_cast<long long>(f.x) + f.width) + " " +
         std::to_string(static_cast<long long>(f.y) + f.height) +
         (place.maximized ? " maximized" : " normal");
}

LegendRect OnWorkArea(const LegendRect& frame, const LegendRect& work) {
  const int width = std::min(frame.width, work.width);
  const int height = std::min(frame.height, work.height);
  return {std::clamp(frame.x, work.x, work.x + work.width - width),
          std::clamp(frame.y, work.y, work.y + work.height - height), width, height};
}

}  // namespace veltrisko
