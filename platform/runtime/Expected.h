#pragma once
// What a decoder, loader or parser answers: the value it made, or the reason
// it could not make one. The reason is one short English sentence ("BMP
// header runs past the end of the file") fit for a line on standard error.
// Plain lookups answer with std::optional instead: "not there" needs no reason.

#include <string>
#include <utility>
#include <variant>

struct Failure {
  explicit Failure(std::string text) : reason(std::move(text)) {}
  std::string reason;
};

template <class T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Expected(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  // Only when has_value().
  T& operator*() & { return std::get<0>(state_); }
  const T& operator*() const& { return std::get<0>(state_); }
  T&& operator*() && { return std::get<0>(std::move(state_)); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }

  // Only when !has_value().
  const std::string& reason() const { return std::get<1>(state_).reason; }

 private:
  std::variant<T, Failure> state_;
};

// For work whose result is a side effect (a table filled in place).
template <>
class [[nodiscard]] Expected<void> {
 public:
  Expected() = default;
  Expected(Failure failure) : failure_(std::move(failure)), failed_(true) {}

  bool has_value() const { return !failed_; }
  explicit operator bool() const { return has_value(); }
  // Only when !has_value().
  const std::string& reason() const { return failure_.reason; }

 private:
  Failure failure_{std::string()};
  bool failed_ = false;
};
