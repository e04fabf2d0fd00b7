// The toolkit's tests run on the main thread, which plays the installer's
// window thread; OLE is initialised there as start-up does.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
