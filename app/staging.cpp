#include "app/staging.h"

const char kStagingFileName[] = "tool.zip";

Text TempStagingPath(const Text& tempFolder) { return tempFolder + "\\" + kStagingFileName; }

Text DriveStagingPath(const Text& installFolder) {
  return FirstBytes(installFolder, 1) + ":\\" + kStagingFileName;
}

Text StagePayload(const Text& tempFolder, const Text& installFolder, const WritePayload& write) {
  Text first = TempStagingPath(tempFolder);
  if (write(first)) return first;
  Text second = DriveStagingPath(installFolder);
  if (write(second)) return second;
  return Text();
}
