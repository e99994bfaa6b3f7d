// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltrisko {

// Values kept for the duration of one frame, keyed by the bits of a float
// (so every argument, -0 and each not-a-number included, is told apart
// exactly). Its room is fixed when it is sized: once that many keys are
// stored, further keys get a scratch value that the next call may reuse, so
// the memo never grows beyond what the frame asked for.
template <class Value>
class FloatMemo {
 public:
  FloatMemo() = default;
  explicit FloatMemo(std::size_t room) { Resize(room); }

  // Forgets everything and makes room for `room` distinct keys.
  void Resize(std::size_t room) {
    // A quarter of the slots stays free, so a probe soon meets a free one.
    slots_.assign(room + room / 3 + 1, Slot{});
    room_ = room;
    stored_ = 0;
  }

  std::size_t Room() const { return room_; }

  // The value stored for `key`, value-initialised when the key is new.
  Value& operator[](float key) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(key);
    if (bits == kFree || slots_.empty()) return Scratch();
    const std::uint64_t hash = std::uint32_t{bits * 0x9E3779B1u};
    for (std::size_t i = hash * slots_.size() >> 32;; i = i + 1 == slots_.size() ? 0 : i + 1) {
      Slot& slot = slots_[i];
      if (slot.key == bits) return slot.value;
      if (slot.key == kFree) {
        if (stored_ == room_) return Scratch();
        ++stored_;
        slot.key = bits;
        return slot.value;
      }
    }
  }

 private:
  // A not-a-number pattern that marks a free slot; that key itself always
  // gets the scratch value.
  static constexpr std::uint32_t kFree = 0xFFFFFFFFu;
  struct Slot {
    std::uint32_t key = kFree;
    Value value{};
  };

  Value& Scratch() {
    scratch_ = Value{};
    return scratch_;
  }

  std::vector<Slot> slots_;
  Value scratch_{};
  std::size_t room_ = 0;
  std::size_t stored_ = 0;
};

}  // namespace veltrisko
