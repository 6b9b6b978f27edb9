#include "skymap/DrawingTime.h"

#include "platform/runtime/WideFormat.h"

namespace vespera {

namespace {

constexpr float kSecondsPerTick = 1.0f / 1024.0f;

}  // namespace

WideString DrawingTimeText(const WideString& prefix, DWORD startTick, DWORD endTick) {
  const DWORD elapsed = endTick - startTick;
  const float seconds = static_cast<float>(elapsed) * kSecondsPerTick;
  return FormatWide(u"%s. Drawing time: %.2fs.", {prefix, static_cast<double>(seconds)});
}

}  // namespace vespera
