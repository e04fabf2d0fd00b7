// One installation at a time: while a worker runs, the install button and
// the folder label ignore the user.
#pragma once

#include <atomic>

extern std::atomic<bool> installationRunning;
