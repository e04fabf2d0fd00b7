// A freshly loaded InstallerWindow for each test, on the test's thread, which
// plays the window thread.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "app/window/installer_window.h"
#include "app/window/toolkit.h"
#include "tests/windows/toolkit/test_doubles.h"
#include "tests/windows/toolkit/test_support.h"

class InstallerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRecorded();
    recorded.onCreated = nullptr;
    ASSERT_TRUE(InitControlKinds());
    PumpWaiting();
    TakeQuitMessage(nullptr);
    ASSERT_TRUE(LoadForm(InstallerWindowDefinition()));
    form = GetFormWindow(kInstallerFormId);
    ASSERT_TRUE(form);
    PumpFor(100);
  }

  void TearDown() override {
    if (IsWindow(form)) DestroyWindow(form);
    PumpWaiting();
    TakeQuitMessage(nullptr);
  }

  HWND Control(uint32_t controlId) const { return FindControlWindow(form, controlId); }

  HWND form = nullptr;
};
