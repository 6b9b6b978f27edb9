#pragma once
// What the rebuild loop reads of every star and deep-sky object, laid out in
// compact arrays: the magnitude and the declination key the visible band is
// tested on, and a summary of each run of objects. Only the objects that pass
// those tests have their records read. Eight bytes an object: the program's
// memory is small, and the catalogue itself stays where it is.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalog/CatalogLoader.h"

namespace vespera {

struct ObjectColumns {
  // An object without a finite position is never visible, so its magnitude
  // here is NaN, which no limit admits; the others keep their own.
  std::vector<float> magnitude;
  // DeclinationKey of each object's declination.
  std::vector<float> declinationKey;

  // A run of kBlockObjects objects in catalogue order, summarised so that a
  // rebuild passes over a run none of whose objects can be drawn with one
  // test. Catalogues are sorted by magnitude, so at a low limit most runs
  // are passed over.
  static constexpr std::size_t kBlockObjects = 64;
  struct Block {
    float brightest = 0.0f;  // least magnitude; +inf when no object can be admitted
    // The range of the declination keys; a NaN key makes it the whole line.
    float lowestKey = 0.0f;
    float highestKey = 0.0f;
  };
  std::vector<Block> blocks;

  std::size_t count() const { return magnitude.size(); }
  void Fill(const RecordTable<SkyObjectRecord>& objects);

 private:
  void SummariseBlocks();
};

// The catalogues never change once loaded, so the columns are filled at the
// first rebuild after loading. A table changed since (tests add objects
// between paints) is noticed by its revision and filled again.
class SkyColumns {
 public:
  void Follow(const SkyCatalogs& catalogs);

  const ObjectColumns& stars() const { return stars_; }
  const ObjectColumns& deepSky() const { return deepSky_; }

 private:
  struct FilledFrom {
    const RecordTable<SkyObjectRecord>* table = nullptr;
    std::uint64_t revision = 0;
    friend bool operator==(const FilledFrom&, const FilledFrom&) = default;
  };
  static void FollowTable(const RecordTable<SkyObjectRecord>& objects, ObjectColumns& columns,
                          FilledFrom& filledFrom);

  ObjectColumns stars_;
  ObjectColumns deepSky_;
  FilledFrom starsFrom_;
  FilledFrom deepSkyFrom_;
};

}  // namespace vespera
