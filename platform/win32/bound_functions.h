// System functions bound by name at their first call: the library is loaded
// and the function looked up then. A library or function that cannot be
// found goes to the failure handler, which does not return.
#pragma once

enum class BoundFunction {
  kSHGetFolderLocation,
  kSHBrowseForFolderA,
  kSHGetPathFromIDListA,
  kCoTaskMemFree,
  kCoInitialize,
  kCoUninitialize,
  kGetDiskFreeSpaceExA,
  kCount
};

using BindFailureHandler = void (*)(const char* library, const char* function);
void SetBindFailureHandler(BindFailureHandler handler);

void* BindFunction(BoundFunction function);

template <typename F>
F Bound(BoundFunction function) {
  return reinterpret_cast<F>(BindFunction(function));
}

// Frees the libraries loaded for the bound functions (shutdown).
void FreeBoundLibraries();
