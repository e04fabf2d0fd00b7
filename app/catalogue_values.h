// The program-wide catalogue values: written once by the window-created
// step, read afterwards without locks, released by ExitCleanup.
#pragma once

#include <cstdint>

#include "app/text.h"
#include "app/text_array.h"

extern Text productListText;
extern TextArray productNames;
extern int32_t productIndex;
extern Text productName;

// Start-up: the values exist, empty.
void CreateCatalogueValues();

// ExitCleanup: the item texts, the array, then the name and the list text.
void ReleaseCatalogueValues();
