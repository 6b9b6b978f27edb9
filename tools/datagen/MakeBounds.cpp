// vespera_make_bounds BOUNDS_JSON OUTPUT: writes the constellation outlines
// file the Tonight and object pages read when they name a constellation.

#include <exception>
#include <iostream>

#include "tools/datagen/ConstellationBoundsFile.h"
#include "tools/datagen/RecordFileWriter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vespera_make_bounds constellations.bounds.json CBounds.dat\n";
    return 2;
  }
  try {
    vespera::WriteRecordFile(argv[2], vespera::ConstellationBoundsRecords(vespera::ReadJsonFile(argv[1])));
  } catch (const std::exception& failure) {
    std::cerr << "vespera_make_bounds: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}
