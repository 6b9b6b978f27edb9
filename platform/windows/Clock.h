#pragma once
// The millisecond clock behind GetTickCount. A real run reads the system's
// steady clock; a headless run uses a virtual clock that starts at 0 and moves
// only when the script says so, which makes every run repeatable. The same
// two clocks give the time of day: the system's UTC in a real run, and in a
// headless run a fixed start (2000-01-01 12:00 UTC) moved by the virtual clock.

#include <atomic>
#include <chrono>
#include <cstdint>

#include "platform/runtime/WinTypes.h"

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the clock started, wrapping like the device's counter.
  virtual DWORD Now() const = 0;
  // Milliseconds of UTC since 1970-01-01 00:00, leap seconds not counted.
  virtual std::int64_t UtcMilliseconds() const = 0;
};

class VirtualClock final : public Clock {
 public:
  DWORD Now() const override { return now_.load(std::memory_order_acquire); }
  void Advance(DWORD milliseconds) {
    now_.fetch_add(milliseconds, std::memory_order_acq_rel);
    elapsed_.fetch_add(milliseconds, std::memory_order_acq_rel);
  }
  // Counts on past the tick counter's wrap.
  std::int64_t UtcMilliseconds() const override {
    return kStartUtcMilliseconds + elapsed_.load(std::memory_order_acquire);
  }

  // 2000-01-01T12:00Z, the J2000 epoch.
  static constexpr std::int64_t kStartUtcMilliseconds = 946728000000;

 private:
  std::atomic<DWORD> now_{0};
  std::atomic<std::int64_t> elapsed_{0};
};

class SteadyClock final : public Clock {
 public:
  DWORD Now() const override {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  }
  std::int64_t UtcMilliseconds() const override {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
