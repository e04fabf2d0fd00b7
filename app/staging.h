// Where the embedded archive is staged before extraction: "tool.zip" in the
// temporary folder, or else at the root of the installation folder's drive.
#pragma once

#include <functional>

#include "app/text.h"

extern const char kStagingFileName[];

// The temporary folder (ending in a backslash, or empty) + "\\tool.zip"; the
// doubled backslash is kept, Windows takes it as one separator.
Text TempStagingPath(const Text& tempFolder);

// The first byte of the installation folder + ":\\tool.zip".
Text DriveStagingPath(const Text& installFolder);

// Writes the payload to the temporary staging path, else to the drive-root
// one; returns the path written, or an empty text when both writes failed.
using WritePayload = std::function<bool(const Text& path)>;
Text StagePayload(const Text& tempFolder, const Text& installFolder, const WritePayload& write);
