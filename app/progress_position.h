#pragma once

#include <cstdint>

// The bar position for a percent, dividing before multiplying in double
// precision: (29, 100) gives 28.
int32_t ProgressPosition(int32_t maximum, int32_t percent);
