#include "core/app/sort_string_array.h"

#include <algorithm>

namespace direvovu {
namespace {

// ASCII only: the locale must not change the order of a card's file names.
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool CSortStringArray::LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
  });
}

void CSortStringArray::Sort() { std::stable_sort(items_.begin(), items_.end(), LessIgnoringCase); }

}  // namespace direvovu
