#pragma once
// A settings file of one section holding `keys` values "K<n>=<n>", as a
// damaged or machine-written file may be: for the store's tests and its
// reading benchmark.

#include <string>

inline std::string ManyKeysSettings(long keys) {
  std::string text = "[Main]\n";
  for (long i = 0; i < keys; ++i) {
    const std::string number = std::to_string(i);
    text += 'K';
    text += number;
    text += '=';
    text += number;
    text += '\n';
  }
  return text;
}
