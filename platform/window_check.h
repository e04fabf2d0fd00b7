// Whether a window handle still identifies a window (IsWindow); Windows only.
#pragma once

bool WindowExists(void* window);
