#pragma once
// The millisecond clock behind GetTickCount. A real run reads the system's
// steady clock; a headless run uses a virtual clock that starts at 0 and moves
// only when the script says so, which makes every run repeatable.

#include <atomic>
#include <chrono>

#include "platform/runtime/WinTypes.h"

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the clock started, wrapping like the device's counter.
  virtual DWORD Now() const = 0;
};

class VirtualClock final : public Clock {
 public:
  DWORD Now() const override { return now_.load(std::memory_order_acquire); }
  void Advance(DWORD milliseconds) { now_.fetch_add(milliseconds, std::memory_order_acq_rel); }

 private:
  std::atomic<DWORD> now_{0};
};

class SteadyClock final : public Clock {
 public:
  DWORD Now() const override {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
