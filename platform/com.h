// COM and OLE on the calling thread.
#pragma once

// OleInitialize(NULL) / OleUninitialize for the window thread; the pair is
// called explicitly because the program ends with ExitProcess.
bool InitializeOle();
void UninitializeOle();

// CoInitialize(NULL) for the lifetime of the scope (a single-threaded
// apartment), bound by name at first use.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_ = false;
};
