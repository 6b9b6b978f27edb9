#pragma once
// The main window's map parts for one screen size at 32 bits, over given
// catalogues: what the map benchmarks paint on. The first paint loads the
// fonts and caches the glyphs, as the program's first paint does.

#include <benchmark/benchmark.h>

#include <memory>

#include "skymap/BodySymbols.h"
#include "skymap/ConstellationNames.h"
#include "skymap/HorizonOverlay.h"
#include "skymap/MapRenderer.h"
#include "tests/support/ReferenceSkyPicture.h"

namespace vespera {

class MapWindowFixture {
 public:
  MapWindowFixture(int width, int height, std::unique_ptr<SkyCatalogs> catalogs, double limit, double zoom = 1.0)
      : catalogs_(std::move(catalogs)),
        screen_(width, height, 32),
        dc_(screen_, {0, 0}, screen_.Bounds(), &fonts_),
        layout_(ComputeMapLayout(width, height)) {
    view_.magnitudeLimit = limit;
    view_.zoom = zoom;
    const LOGFONT font = MapFontDescription();
    mapFont_.CreateFontIndirect(&font);
    if (width >= kHighResScreenWidth) fonts_.SetDefaultFont(MakeSystemFont(2 * kSystemFontCellHeight));
    MapSurface& surface = picture_.surface;
    surface.CreateMapSurface(&dc_, layout_.geometry.mapWidth, layout_.geometry.mapHeight);
    surface.AllocatePixels();
    surface.ClearPixels();
    surface.CommitPixels();
    status_.statusPrefix = u"Ready";
  }

  void Paint(bool rebuild) {
    view_.needsReprojection = rebuild;
    RenderMap(dc_, SkyMapParts{*catalogs_, view_, layout_, picture_, status_, mapFont_}, MapOverlay{}, ticks_);
    benchmark::DoNotOptimize(screen_.Bytes().data());
  }
  // The same rebuild and paint with the picture drawn by the plain loop, for
  // the figures set beside it.
  void PaintWithPlainLoop() {
    DrawReferenceSkyPicture(picture_.surface.pixels(), picture_.hits, *catalogs_, view_, layout_.geometry);
    picture_.surface.CommitPixels();
    Paint(false);
  }
  // The observer's overlay alone, as a paint draws it over the copied picture.
  void DrawHorizon(const HorizonOverlay& overlay) {
    DrawHorizonOverlay(dc_, ViewProjection(view_, layout_.geometry), layout_.geometry, overlay, mapFont_);
    benchmark::DoNotOptimize(screen_.Bytes().data());
  }
  // The Sun, Moon and planets alone, as a paint draws them over the copied picture.
  void DrawBodies(const BodyOverlay& overlay) {
    DrawBodySymbols(dc_, ViewProjection(view_, layout_.geometry), layout_.geometry, overlay, mapFont_);
    benchmark::DoNotOptimize(screen_.Bytes().data());
  }
  ViewState& view() { return view_; }
  std::size_t starsDrawn() const { return picture_.hits.stars.count(); }

  const SkyCatalogs& catalogs() const { return *catalogs_; }
  const MapLayout& layout() const { return layout_; }
  const MapHitCaches& hits() const { return picture_.hits; }

 private:
  std::unique_ptr<SkyCatalogs> catalogs_;
  FontEngine fonts_;
  Surface screen_;
  CDC dc_;
  MapLayout layout_;
  ViewState view_;
  MapPicture picture_;
  StatusLine status_;
  CFont mapFont_;
  TickSource ticks_ = [] { return DWORD{0}; };
};

}  // namespace vespera
