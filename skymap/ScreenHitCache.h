#pragma once
// Where each drawn star and deep-sky object landed on the last rebuilt
// picture, so that a stylus tap is answered without projecting anything.
// The caches are filled in catalogue order, and a lookup takes the first
// entry whose box holds the tap: among overlapping objects the one drawn
// first wins, with no nearest-object search.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vespera {

inline constexpr std::int32_t kNoHit = -1;

struct ScreenHit {
  std::int32_t x = 0;  // window coordinates
  std::int32_t y = 0;
  std::int32_t index = kNoHit;  // position in the object's catalogue table
  friend bool operator==(const ScreenHit&, const ScreenHit&) = default;
};

template <std::size_t Capacity>
class ScreenHitCache {
 public:
  static constexpr std::size_t kCapacity = Capacity;

  // The entries are allocated once at full size and never resized, so a
  // rebuild never allocates.
  ScreenHitCache() : entries_(Capacity) {}

  void Clear() { count_ = 0; }

  // Records nothing once the cache is full: objects drawn after that are on
  // the picture but cannot be picked.
  bool Append(const ScreenHit& hit) {
    if (count_ >= Capacity) return false;
    entries_[count_++] = hit;
    return true;
  }

  std::size_t count() const { return count_; }
  std::span<const ScreenHit> entries() const { return {entries_.data(), count_}; }

  // The first entry whose half-open box x - 2 <= px < x + 2, y - 2 <= py < y + 2
  // holds the point, or an entry with index kNoHit.
  ScreenHit FindAt(std::int32_t px, std::int32_t py) const {
    for (const ScreenHit& hit : entries()) {
      // Differences in 64 bits: a tap far from an entry must not overflow.
      const std::int64_t dx = std::int64_t{px} - hit.x;
      const std::int64_t dy = std::int64_t{py} - hit.y;
      if (dx >= -2 && dx < 2 && dy >= -2 && dy < 2) return hit;
    }
    return ScreenHit{};
  }

 private:
  std::vector<ScreenHit> entries_;
  std::size_t count_ = 0;
};

using StarHitCache = ScreenHitCache<6000>;
using DeepSkyHitCache = ScreenHitCache<1000>;

inline ScreenHit FindStarAt(const StarHitCache& cache, std::int32_t px, std::int32_t py) {
  return cache.FindAt(px, py);
}

inline ScreenHit FindDeepSkyAt(const DeepSkyHitCache& cache, std::int32_t px, std::int32_t py) {
  return cache.FindAt(px, py);
}

}  // namespace vespera
