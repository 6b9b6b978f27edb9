#include "tests/e2e/windows/WindowScripts.h"

#include <stdexcept>

namespace vespera {

std::string OpenFromMenu(char accessKey) { return std::string("wait\nkey RETURN\nkey ") + accessKey + "\n"; }

namespace {

std::string TapMiddle(const nlohmann::json& rect) {
  const int x = (rect.at(0).get<int>() + rect.at(2).get<int>()) / 2;
  const int y = (rect.at(1).get<int>() + rect.at(3).get<int>()) / 2;
  return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

}  // namespace

std::string TapLink(const nlohmann::json& view, const std::string& href) {
  for (const auto& link : view.at("links"))
    if (link.at("href") == href) return TapMiddle(link.at("rect"));
  throw std::runtime_error("the page shows no link to " + href);
}

std::string TapControl(const nlohmann::json& window, int id) {
  const nlohmann::json* control = ChildWithId(window, id);
  if (!control) throw std::runtime_error("the window has no control " + std::to_string(id));
  return TapMiddle(control->at("rect"));
}

const nlohmann::json& HtmlViewOf(const nlohmann::json& window) {
  for (const auto& child : window.at("children"))
    if (child.at("class") == "DISPLAYCLASS") return child;
  throw std::runtime_error("the window has no HTML view");
}

CatalogueFixture SearchSky() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(10, 80, 2.0f, "HIP 5"), MakeObjectRecord(120, 40, 5.3f, "HIP 7"), MakeObjectRecord(200, -10, 3.1f, "HIP 9")};
  sky.starNames = {MakeNameRecord("HIP 7", "Testa")};
  sky.deepSky = {MakeObjectRecord(10.7f, 41.3f, 3.4f, "M 31")};
  sky.deepSkyNames = {MakeNameRecord("M 31", "Andromeda Galaxy")};
  sky.labels = {MakeLabelRecord(310, 45, u"Cyg", u"Cygnus"), MakeLabelRecord(283, 36, u"Lyr", u"Lyra")};
  return sky;
}

const nlohmann::json& WindowOfClass(const nlohmann::json& dump, const std::string& className) {
  const nlohmann::json* window = TopWindowOfClass(dump, className);
  if (!window) throw std::runtime_error("the dump holds no window of class " + className);
  return *window;
}

}  // namespace vespera
