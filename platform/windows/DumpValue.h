#pragma once
// A small JSON-shaped value tree. The window layer describes its windows in
// it for the automation dump; windows add their own fields without knowing
// how the dump is written.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class DumpValue;
struct DumpMember;

// Members keep the order in which they were set.
class DumpObject {
 public:
  // Defined where DumpMember is complete: clang instantiates the member
  // vector's destructor from DumpValue's inline constructors otherwise.
  DumpObject();
  DumpObject(const DumpObject&);
  DumpObject(DumpObject&&) noexcept;
  DumpObject& operator=(const DumpObject&);
  DumpObject& operator=(DumpObject&&) noexcept;
  ~DumpObject();

  // Replaces an existing member of the same key.
  void Set(std::string key, DumpValue value);
  const DumpValue* Find(std::string_view key) const;
  const std::vector<DumpMember>& Members() const { return members_; }
  bool Empty() const { return members_.empty(); }

 private:
  std::vector<DumpMember> members_;
};

using DumpArray = std::vector<DumpValue>;

class DumpValue {
 public:
  DumpValue() = default;
  DumpValue(bool value) : value_(value) {}
  DumpValue(int value) : value_(std::int64_t{value}) {}
  DumpValue(unsigned value) : value_(std::int64_t{value}) {}
  DumpValue(long value) : value_(std::int64_t{value}) {}
  DumpValue(long long value) : value_(std::int64_t{value}) {}
  DumpValue(unsigned long value) : value_(static_cast<std::int64_t>(value)) {}
  DumpValue(double value) : value_(value) {}
  DumpValue(std::string value) : value_(std::move(value)) {}
  DumpValue(const char* value) : value_(std::string(value)) {}
  // Wide text is written as UTF-8.
  DumpValue(std::u16string_view value);
  DumpValue(const char16_t* value) : DumpValue(std::u16string_view(value)) {}
  DumpValue(const std::u16string& value) : DumpValue(std::u16string_view(value)) {}
  DumpValue(DumpArray value) : value_(std::move(value)) {}
  DumpValue(DumpObject value) : value_(std::move(value)) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
  const bool* AsBool() const { return std::get_if<bool>(&value_); }
  const std::int64_t* AsInteger() const { return std::get_if<std::int64_t>(&value_); }
  const double* AsDouble() const { return std::get_if<double>(&value_); }
  const std::string* AsString() const { return std::get_if<std::string>(&value_); }
  const DumpArray* AsArray() const { return std::get_if<DumpArray>(&value_); }
  const DumpObject* AsObject() const { return std::get_if<DumpObject>(&value_); }

  // JSON text, indented by two spaces a level. Non-finite numbers become null.
  std::string ToJson() const;

 private:
  void Write(std::string& out, int depth) const;

  std::variant<std::monostate, bool, std::int64_t, double, std::string, DumpArray, DumpObject> value_;
};

struct DumpMember {
  std::string key;
  DumpValue value;
};
