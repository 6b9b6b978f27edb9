#pragma once
// Cuts one fuzz input into the pieces a target needs: single flag bytes from
// the front, then parts separated by kPartSeparator. A separator keeps parts
// independent under mutation (a length prefix would shift every later part
// when one byte changes) and lets seed files be written by hand.

#include <cstdint>
#include <span>
#include <string_view>

inline constexpr std::string_view kPartSeparator = "@@@@";

class FuzzInput {
 public:
  explicit FuzzInput(std::span<const std::uint8_t> data)
      : rest_(reinterpret_cast<const char*>(data.data()), data.size()) {}

  // The next byte; 0 once the input is used up.
  std::uint8_t TakeByte();
  // Four bytes, little-endian, missing bytes read as 0.
  std::uint32_t TakeU32();
  // Everything up to the next separator (which is dropped), or the rest.
  std::string_view TakePart();
  std::string_view TakeRest();

  bool empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};
