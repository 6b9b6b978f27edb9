#pragma once
// What the window tests share: opening each window from the program menu,
// pressing on a page's link, a small sky with a star to find, and reading
// the windows back from a dump.

#include <string>

#include "tests/e2e/ProgramRun.h"

namespace vespera {

// Script lines that wait for the catalogue, open the program menu and choose
// the item with this access key ('S' Search, 'M' Messier, 'C' Caldwell,
// 'A' About, 'P' Help).
std::string OpenFromMenu(char accessKey);

// A tap on the middle of the first link on the view's page whose target is
// `href`; throws when the page shows no such link.
std::string TapLink(const nlohmann::json& view, const std::string& href);

// A tap on the middle of a window's child control.
std::string TapControl(const nlohmann::json& window, int id);

// The window's HTML view (the control of class "DISPLAYCLASS").
const nlohmann::json& HtmlViewOf(const nlohmann::json& window);

// The catalogue the search tests look in: the star "HIP 7" (index 1,
// magnitude 5.3, named "Testa"), two others, the deep-sky object "M 31"
// named "Andromeda Galaxy", and the constellations Cygnus and Lyra.
CatalogueFixture SearchSky();

// The window in the dump that must be there.
const nlohmann::json& WindowOfClass(const nlohmann::json& dump, const std::string& className);

}  // namespace vespera
