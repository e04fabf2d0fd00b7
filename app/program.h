// Start-up and the orderly end of the installer.
#pragma once

#include <cstdint>

struct FormDefinition;

// Prepares the platform, loads the form and runs the message loop; returns
// the quit message's value once the loop has ended.
int32_t InstallerMain(const FormDefinition& form);

// The registered clean-up: releases the program-wide texts.
void ExitCleanup();
