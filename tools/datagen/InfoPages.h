#pragma once
// Messier.ini and Caldwell.ini: section "0" lists the whole catalogue, and
// section n is the page of object n. Bodies are HTML fragments written one
// element to a line, since the program joins a section's lines without any
// separator; every line starts with a tag, so none reads as a header or a
// comment. Pages are laid out for a 240-pixel-wide screen: two-column tables
// and short lines.

#include <map>
#include <string>
#include <vector>

#include "tools/datagen/ListedObjects.h"

namespace vespera {

struct InfoPageSource {
  const ListKind* list = nullptr;
  std::string introduction;  // plain text for the top of section "0"
  const std::vector<ListedObject>* objects = nullptr;
  const std::map<std::string, std::string>* constellationNames = nullptr;
};

// The whole INI text (UTF-8). Throws when an object names a constellation
// abbreviation that does not exist, so a typo in the notes stops the build.
std::string BuildInfoIni(const InfoPageSource& source);

// Plain text made safe inside HTML: &, < and > as entities.
std::string EscapeHtml(const std::string& text);

// "00h 42.7m" and "+41° 16'" for J2000 degrees.
std::string FormatRightAscension(double degrees);
std::string FormatDeclination(double degrees);

}  // namespace vespera
