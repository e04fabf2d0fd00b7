// The product catalogue and the installation plan: which product is
// installed, and the default folder chosen from the free space on D:.
#pragma once

#include <cstdint>

#include "app/text.h"
#include "app/text_array.h"

extern const char kProductListText[];
constexpr int32_t kProductIndex = 10;
extern const char kBrandFolder[];
constexpr int64_t kFreeSpaceThresholdMB = 1000;

struct InstallPlan {
  Text drivePrefix;
  TextArray productNames;
  Text productName;
  Text installFolder;
  Text exePath;
};

// Pure. An index outside the catalogue is a fatal error.
InstallPlan ComputeInstallPlan(int64_t freeMegabytesOnD, const Text& productListText,
                               int32_t productIndex);

// Free bytes to whole megabytes (1048576.0 divisor, truncated toward zero).
int64_t FreeBytesToMegabytes(uint64_t freeBytes);

// folder + "\\" + productName + ".exe", the executable of whatever folder the
// installation folder label holds.
Text ExePathFor(const Text& installFolder, const Text& productName);
