// SPDX-License-Identifier: MIT
#include "app/logic/side_window_placement.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace veltrisko {
namespace {

long long Overlap(const LegendRect& a, const LegendRect& b) {
  const long long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
  const long long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

// `start` moved so that `length` lies within [low, low + room).
int Clamped(int start, int length, int low, int room) {
  return std::max(low, std::min(start, low + room - length));
}

}  // namespace

LegendRect PlaceSideWindow(const SideWindowRequest& r) {
  const LegendRect& s = r.screen;
  const LegendRect& d = r.dialog;
  const LegendRect bars{r.owner.x, r.owner.y, r.owner.width, r.ownerBarsHeight};
  const int width = std::min(r.width, s.width), height = std::min(r.height, s.height);
  // The wanted size, then the room right, left, below and above the dialog.
  std::vector<std::pair<int, int>> sizes = {{width, height}};
  if (d.width > 0) {
    for (const int room : {s.x + s.width - (d.x + d.width), d.x - s.x})
      if (room >= r.minWidth) sizes.emplace_back(std::min(width, room), height);
    // Above the dialog, also between it and the owner's bars.
    for (const int room :
         {s.y + s.height - (d.y + d.height), d.y - s.y, d.y - std::max(s.y, bars.y + bars.height)})
      if (room >= r.minHeight) sizes.emplace_back(width, std::min(height, room));
  }
  LegendRect best{};
  std::tuple<long long, long long, long long, long long, long long> bestScore{-1, 0, 0, 0, 0};
  for (const auto& [w, h] : sizes) {
    const int xs[] = {r.owner.x + r.owner.width, r.owner.x - w, d.x + d.width, d.x - w, s.x,
                      s.x + s.width - w,         r.owner.x};
    const int ys[] = {r.owner.y, bars.y + bars.height, d.y + d.height, d.y - h,
                      s.y,       s.y + s.height - h};
    for (const int x : xs) {
      for (const int y : ys) {
        const LegendRect place{Clamped(x, w, s.x, s.width), Clamped(y, h, s.y, s.height), w, h};
        // Clear of the dialog first, then of the owner's bars; as large as
        // wanted; covering little of the owner; near its right side.
        const std::tuple<long long, long long, long long, long long, long long> score{
            d.width > 0 ? Overlap(place, d) : 0, Overlap(place, bars),
            static_cast<long long>(width) * height - static_cast<long long>(w) * h,
            Overlap(place, r.owner),
            std::llabs(place.x - (r.owner.x + r.owner.width)) + std::llabs(place.y - r.owner.y)};
        if (std::get<0>(bestScore) < 0 || score < bestScore) {
          bestScore = score;
          best = place;
        }
      }
    }
  }
  return best;
}

}  // namespace veltrisko
