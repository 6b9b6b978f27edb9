#include "tools/datagen/InfoPages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace vespera {

namespace {

std::string FormatMagnitude(const std::optional<float>& magnitude) {
  if (!magnitude) return "unknown";
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(*magnitude));
  return text;
}

const std::string& FullConstellation(const InfoPageSource& source, const ListedObject& object) {
  const auto it = source.constellationNames->find(object.note.constellation);
  if (it == source.constellationNames->end())
    throw std::runtime_error(object.label + ": unknown constellation \"" + object.note.constellation + "\"");
  return it->second;
}

std::string Heading(const ListedObject& object) {
  return object.note.name.empty() ? object.label : object.label + " " + object.note.name;
}

void Row(std::ostream& out, const std::string& label, const std::string& value) {
  if (value.empty()) return;
  out << "<tr><td><b>" << label << "</b></td><td>" << EscapeHtml(value) << "</td></tr>\n";
}

void OverviewSection(std::ostream& out, const InfoPageSource& source) {
  out << "[0]\n";
  out << "<h3>" << source.list->title << " objects</h3>\n";
  if (!source.introduction.empty()) out << "<p>" << EscapeHtml(source.introduction) << "</p>\n";
  out << "<table>\n";
  for (const ListedObject& object : *source.objects) {
    const std::string name = object.note.name.empty() ? object.note.designation : object.note.name;
    out << "<tr><td><b>" << object.label << "</b></td><td>" << EscapeHtml(name) << "<br>"
        << EscapeHtml(object.type) << "</td><td>" << object.note.constellation << "<br>"
        << FormatMagnitude(object.magnitude) << "</td></tr>\n";
  }
  out << "</table>\n";
}

void ObjectSection(std::ostream& out, const InfoPageSource& source, const ListedObject& object) {
  out << "[" << object.note.number << "]\n";
  out << "<h3>" << EscapeHtml(Heading(object)) << "</h3>\n";
  std::string designations = object.note.designation;
  for (const std::string& part : object.note.alsoAs) designations += ", " + part;
  out << "<p><b>" << object.label << "</b> = " << EscapeHtml(designations) << "</p>\n";
  out << "<table>\n";
  Row(out, "Type", object.type);
  Row(out, "Constellation", FullConstellation(source, object));
  Row(out, "RA (J2000)", FormatRightAscension(object.point.ra));
  Row(out, "Dec (J2000)", FormatDeclination(object.point.dec));
  Row(out, "Magnitude", FormatMagnitude(object.magnitude));
  Row(out, "Size", object.size);
  Row(out, "Distance", object.note.distance);
  out << "</table>\n";
  out << "<p>" << EscapeHtml(object.note.notes) << "</p>\n";
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\n': case '\r': out += ' '; break;
      default: out += c;
    }
  }
  return out;
}

std::string FormatRightAscension(double degrees) {
  double hours = std::fmod(degrees, 360.0) / 15.0;
  if (hours < 0) hours += 24.0;
  int tenthsOfMinute = static_cast<int>(std::lround(hours * 600.0)) % (24 * 600);
  char text[40];
  std::snprintf(text, sizeof text, "%02dh %02d.%dm", tenthsOfMinute / 600, (tenthsOfMinute / 10) % 60,
                tenthsOfMinute % 10);
  return text;
}

std::string FormatDeclination(double degrees) {
  const long arcMinutes = std::lround(std::min(std::fabs(degrees), 90.0) * 60.0);
  char text[40];
  std::snprintf(text, sizeof text, "%c%02ld\xC2\xB0 %02ld'", degrees < 0 ? '-' : '+', arcMinutes / 60,
                arcMinutes % 60);
  return text;
}

std::string BuildInfoIni(const InfoPageSource& source) {
  std::ostringstream out;
  out << "; " << source.list->title
      << " object pages, generated at build time from the hand-written notes and the sky package.\n";
  OverviewSection(out, source);
  for (const ListedObject& object : *source.objects) ObjectSection(out, source, object);
  return out.str();
}

}  // namespace vespera
