#pragma once
// What the map shows and where: the view the commands change and the fixed
// geometry of the map area on this screen.

namespace vespera {

// Values are those stored in the settings, so they must not be renumbered.
enum class ConstellationNameStyle : int {
  Short = 0,
  Full = 1,
  None = 2,
};

struct ViewState {
  // Degrees. Neither is ever brought back into a range: centerDec runs on
  // over the pole, and (ra + 180, 180 - dec) is the north-up form of (ra, dec).
  double centerRa = 0.0;
  double centerDec = 90.0;
  // The rim of the visible hemisphere lies zoom × mapRadius pixels from the
  // map centre. There is no upper bound.
  double zoom = 1.0;
  double magnitudeLimit = 4.0;
  // An int, not a bool: any non-zero number the settings hold means on, and
  // is written back as it was read.
  int showConstellationLines = 1;
  ConstellationNameStyle constellationNameStyle = ConstellationNameStyle::Short;
  bool needsReprojection = false;
};

// Pixels, fixed once the main window has measured the screen.
struct MapGeometry {
  int mapLeft = 0;
  int mapTop = 0;
  int mapBottomMargin = 0;
  int mapWidth = 0;
  int mapHeight = 0;
  int mapRadius = 0;
};

}  // namespace vespera
