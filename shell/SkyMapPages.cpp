// The observer's pages: Tonight (key T and the map's context menu) and
// "About this object" (the context menu). Both use the observer's place and
// shown time without turning the feature on; following an object's link does
// turn it on, and shows the object on the map as a search result is shown.

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "shell/ObjectDataDlg.h"
#include "shell/ObjectPage.h"
#include "shell/ProgramWide.h"
#include "shell/SkyMapDlg.h"
#include "shell/SkyPageDlg.h"
#include "shell/TonightPage.h"

namespace vespera {

Selection CSkyMapDlg::ObjectUnderPointer(POINT point) {
  // The hit caches are empty until the catalogue is loaded, so this reads no
  // store before then.
  Selection found;
  if (!SelectAt(found, catalogs_, picture_.hits, point.x, point.y)) SelectBodyAt(found, point, kStylusReach);
  return found;
}

const std::vector<ListedObject>& CSkyMapDlg::ListedObjects() {
  if (!listedObjects_) listedObjects_ = ListedDeepSkyObjects(catalogs_.deepSkyCatalog);
  return *listedObjects_;
}

const ConstellationBounds* CSkyMapDlg::Constellations() {
  if (!constellationBoundsRead_) {
    constellationBoundsRead_ = true;
    CatalogStore outlines;
    const std::string path = GetProgramDirectory() + kConstellationBoundsFile;
    if (const Expected<void> loaded = outlines.LoadObjects(path); !loaded)
      ReportProblem(path + ": " + loaded.reason());
    else
      constellationBounds_.emplace(OutlinesOfRecords(outlines.objects));
  }
  return constellationBounds_ ? &*constellationBounds_ : nullptr;
}

void CSkyMapDlg::OnTonight() {
  TonightInputs inputs{observer_.CurrentPlace(), observer_.ShownTime(), IsRedScreenOn()};
  // Before "After load" the stores may be half-written: the page then
  // leaves the deep-sky objects out.
  if (catalogs_.IsLoaded()) {
    inputs.deepSky = &catalogs_.deepSkyCatalog;
    inputs.listed = &ListedObjects();
  }
  inputs.constellations = Constellations();
  RunSkyPage(u"Tonight", BuildTonightPage(inputs));
}

void CSkyMapDlg::OnAboutObject() {
  const Selection object = contextObject_ ? contextObject_ : selection_;
  contextObject_.reset();
  if (!object || !catalogs_.IsLoaded()) {
    MessageBeep(MB_OK);
    return;
  }
  ObjectPageInputs inputs{observer_.CurrentPlace(), observer_.ShownTime(), IsRedScreenOn(), *object, &catalogs_};
  if (object->kind == SelectionKind::Body)
    inputs.body = observerBodies_.Find(static_cast<Body>(object->index));
  inputs.listed = &ListedObjects();
  inputs.constellations = Constellations();
  RunSkyPage(u"About object", BuildObjectPage(inputs));
}

void CSkyMapDlg::RunSkyPage(std::u16string_view title, WideString page) {
  CSkyPageDlg window(title, std::move(page));
  window.DoModal();
  if (window.chosen()) FollowSkyPageLink(*window.chosen());
}

void CSkyMapDlg::FollowSkyPageLink(const SkyPageLink& link) {
  switch (link.kind) {
    case SkyPageLink::Kind::MessierPage:
    case SkyPageLink::Kind::CaldwellPage: {
      CObjectDataDlg objectData;
      objectData.mode = link.kind == SkyPageLink::Kind::MessierPage ? kMessierMode : kCaldwellMode;
      objectData.firstEntry = link.number;
      objectData.DoModal();
      return;
    }
    case SkyPageLink::Kind::DeepSky: {
      if (!catalogs_.IsLoaded()) return;
      const bool turnedOn = !observer_.choices().on;
      TurnObserverOn();
      UpdateBodies();
      if (ApplySearchChoice({kSearchShowDeepSky, link.number}, view_, selection_, catalogs_))
        RedrawMap();
      else if (turnedOn)
        RepaintMap();
      return;
    }
    case SkyPageLink::Kind::Body:
      if (const std::optional<Body> body = BodyOfNumber(link.number)) ShowBodyOnMap(*body);
      return;
  }
}

}  // namespace vespera
