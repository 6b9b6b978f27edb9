#include "ephemeris/ConstellationBounds.h"

#include <cmath>
#include <cstring>

namespace vespera {

namespace {

// Right ascension differences in degrees, taken the short way: -180..180.
double RaStep(double from, double to) {
  double step = std::fmod(to - from, 360.0);
  if (step > 180.0) step -= 360.0;
  if (step <= -180.0) step += 360.0;
  return step;
}

// An outline whose sides go once round the pole in right ascension holds a
// pole: the north one when it lies in the north.
bool HoldsNorthPole(const ConstellationOutline& outline) {
  double around = 0.0, decSum = 0.0;
  const std::size_t n = outline.corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    around += RaStep(outline.corners[i].ra, outline.corners[(i + 1) % n].ra);
    decSum += outline.corners[i].dec;
  }
  return std::fabs(around) > 180.0 && decSum > 0.0;
}

// A ray from the point towards the north pole along its meridian: the sides
// it crosses. Each side counts the right ascensions from its first corner up
// to, not including, its second, so a ray through a corner counts once.
bool Holds(const ConstellationOutline& outline, bool holdsNorthPole, double ra, double dec) {
  bool inside = holdsNorthPole;
  const std::size_t n = outline.corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const SkyPoint& a = outline.corners[i];
    const SkyPoint& b = outline.corners[(i + 1) % n];
    const double span = RaStep(a.ra, b.ra);
    if (span == 0.0) continue;  // a meridian side: the ray runs along it or misses it
    const double along = RaStep(a.ra, ra);
    const bool within = span > 0.0 ? (along >= 0.0 && along < span) : (along <= 0.0 && along > span);
    if (!within) continue;
    const double crossing = a.dec + (b.dec - a.dec) * (along / span);
    if (crossing > dec) inside = !inside;
  }
  return inside;
}

}  // namespace

ConstellationBounds::ConstellationBounds(std::vector<ConstellationOutline> outlines) {
  for (ConstellationOutline& outline : outlines) {
    const bool north = HoldsNorthPole(outline);
    outlines_.push_back({std::move(outline), north});
  }
}

std::string_view ConstellationBounds::Find(const Vector3& j2000) const {
  const RaDec place = RaDecOf(j2000);
  const double ra = place.ra / kRadiansPerDegree;
  const double dec = place.dec / kRadiansPerDegree;
  for (const Outline& outline : outlines_)
    if (Holds(outline.outline, outline.holdsNorthPole, ra, dec)) return outline.outline.abbreviation;
  return {};
}

std::vector<ConstellationOutline> OutlinesOfRecords(const RecordTable<SkyObjectRecord>& records) {
  std::vector<ConstellationOutline> outlines;
  float ordinal = -1.0f;
  for (std::size_t i = 0; i < records.count(); ++i) {
    const SkyObjectRecord& record = records[i];
    if (outlines.empty() || record.magnitude() != ordinal) {
      ordinal = record.magnitude();
      outlines.push_back({std::string(record.designation(), strnlen(record.designation(), kDesignationBytes)), {}});
    }
    outlines.back().corners.push_back({record.ra(), record.dec()});
  }
  std::erase_if(outlines, [](const ConstellationOutline& outline) { return outline.corners.size() < 3; });
  return outlines;
}

}  // namespace vespera
