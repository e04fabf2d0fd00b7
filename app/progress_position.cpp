#include "app/progress_position.h"

int32_t ProgressPosition(int32_t maximum, int32_t percent) {
  volatile double q = static_cast<double>(maximum) / 100.0;
  volatile double r = q * static_cast<double>(percent);
  return static_cast<int32_t>(
      static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(r))));
}
