// A one-dimensional array of texts indexed from 1; a lookup outside the
// items is a fatal error (4 below 1, 1 above the item count).
#pragma once

#include <cstdint>
#include <vector>

#include "app/text.h"

class TextArray {
 public:
  TextArray() = default;
  explicit TextArray(std::vector<Text> items) : items_(std::move(items)) {}

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const Text& At(int32_t index) const;

 private:
  std::vector<Text> items_;
};

extern const char kIndexBelowOneMessage[];
extern const char kIndexAboveRangeMessage[];
