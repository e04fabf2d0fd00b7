#include "platform/com.h"

#include <ole2.h>
#include <windows.h>

#include "platform/win32/bound_functions.h"

bool InitializeOle() { return SUCCEEDED(OleInitialize(nullptr)); }

void UninitializeOle() { OleUninitialize(); }

ComApartment::ComApartment() {
  using CoInitializeFn = HRESULT(WINAPI*)(LPVOID);
  // The result is not examined beyond pairing the uninitialisation with it.
  initialized_ = SUCCEEDED(Bound<CoInitializeFn>(BoundFunction::kCoInitialize)(nullptr));
}

ComApartment::~ComApartment() {
  using CoUninitializeFn = void(WINAPI*)();
  if (initialized_) Bound<CoUninitializeFn>(BoundFunction::kCoUninitialize)();
}
