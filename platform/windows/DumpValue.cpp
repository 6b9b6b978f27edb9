#include "platform/windows/DumpValue.h"

#include <charconv>
#include <cmath>

#include "platform/runtime/CodePage.h"

DumpValue::DumpValue(std::u16string_view value) : value_(WideToUtf8(value)) {}

DumpObject::DumpObject() = default;
DumpObject::DumpObject(const DumpObject&) = default;
DumpObject::DumpObject(DumpObject&&) noexcept = default;
DumpObject& DumpObject::operator=(const DumpObject&) = default;
DumpObject& DumpObject::operator=(DumpObject&&) noexcept = default;
DumpObject::~DumpObject() = default;

void DumpObject::Set(std::string key, DumpValue value) {
  for (DumpMember& member : members_)
    if (member.key == key) {
      member.value = std::move(value);
      return;
    }
  members_.push_back({std::move(key), std::move(value)});
}

const DumpValue* DumpObject::Find(std::string_view key) const {
  for (const DumpMember& member : members_)
    if (member.key == key) return &member.value;
  return nullptr;
}

namespace {

void WriteString(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void Indent(std::string& out, int depth) {
  out += '\n';
  out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

}  // namespace

void DumpValue::Write(std::string& out, int depth) const {
  if (const bool* b = AsBool()) {
    out += *b ? "true" : "false";
  } else if (const std::int64_t* i = AsInteger()) {
    out += std::to_string(*i);
  } else if (const double* d = AsDouble()) {
    if (!std::isfinite(*d)) {
      out += "null";
      return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *d);
    std::string number(buffer, result.ptr);
    // Keep doubles recognisable as such when they happen to be whole.
    if (number.find_first_of(".eE") == std::string::npos) number += ".0";
    out += number;
  } else if (const std::string* s = AsString()) {
    WriteString(out, *s);
  } else if (const DumpArray* array = AsArray()) {
    if (array->empty()) {
      out += "[]";
      return;
    }
    out += '[';
    for (std::size_t i = 0; i < array->size(); ++i) {
      if (i) out += ',';
      Indent(out, depth + 1);
      (*array)[i].Write(out, depth + 1);
    }
    Indent(out, depth);
    out += ']';
  } else if (const DumpObject* object = AsObject()) {
    if (object->Empty()) {
      out += "{}";
      return;
    }
    out += '{';
    bool first = true;
    for (const DumpMember& member : object->Members()) {
      if (!first) out += ',';
      first = false;
      Indent(out, depth + 1);
      WriteString(out, member.key);
      out += ": ";
      member.value.Write(out, depth + 1);
    }
    Indent(out, depth);
    out += '}';
  } else {
    out += "null";
  }
}

std::string DumpValue::ToJson() const {
  std::string out;
  Write(out, 0);
  out += '\n';
  return out;
}
