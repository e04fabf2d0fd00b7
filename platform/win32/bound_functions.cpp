#include "platform/win32/bound_functions.h"

#include <windows.h>

#include <cstdlib>

namespace {

struct Binding {
  const char* library;
  const char* function;
  void* volatile address;
  HMODULE volatile module;
};

Binding gBindings[] = {
    {"shell32.dll", "SHGetFolderLocation", nullptr, nullptr},
    {"shell32.dll", "SHBrowseForFolderA", nullptr, nullptr},
    {"shell32.dll", "SHGetPathFromIDListA", nullptr, nullptr},
    {"ole32.dll", "CoTaskMemFree", nullptr, nullptr},
    {"ole32.dll", "CoInitialize", nullptr, nullptr},
    {"ole32.dll", "CoUninitialize", nullptr, nullptr},
    {"kernel32.dll", "GetDiskFreeSpaceExA", nullptr, nullptr},
};
static_assert(sizeof(gBindings) / sizeof(gBindings[0]) ==
              static_cast<size_t>(BoundFunction::kCount));

BindFailureHandler gFailureHandler = nullptr;

}  // namespace

void SetBindFailureHandler(BindFailureHandler handler) { gFailureHandler = handler; }

void* BindFunction(BoundFunction function) {
  Binding& binding = gBindings[static_cast<size_t>(function)];
  if (binding.address) return binding.address;
  // The window thread and the worker may bind at the same time: each loads
  // its own reference, the first to publish wins and the other lets go.
  HMODULE module = LoadLibraryA(binding.library);
  void* address =
      module ? reinterpret_cast<void*>(GetProcAddress(module, binding.function)) : nullptr;
  if (!address) {
    if (module) FreeLibrary(module);
    if (gFailureHandler) gFailureHandler(binding.library, binding.function);
    ExitProcess(static_cast<UINT>(-1));
  }
  if (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&binding.module), module,
                                        nullptr) != nullptr) {
    FreeLibrary(module);
    return reinterpret_cast<void*>(GetProcAddress(binding.module, binding.function));
  }
  binding.address = address;
  return address;
}

void FreeBoundLibraries() {
  for (Binding& binding : gBindings) {
    HMODULE module = binding.module;
    binding.address = nullptr;
    binding.module = nullptr;
    if (module) FreeLibrary(module);
  }
}
