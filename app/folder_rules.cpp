#include "app/folder_rules.h"

Text ChosenFolder(const FolderDialogOutcome& outcome) {
  Text name = TrimSpaces(outcome.displayName);
  if (FindText(name, "?") != 0) return Text();
  if (outcome.listReturned) {
    if (!outcome.pathFound) return Text();
    // A drive root such as "D:\\" loses its backslash; the caption rule puts
    // one back.
    if (outcome.path.size() == 3) return FirstBytes(outcome.path, 2);
    return outcome.path;
  }
  Text network = "\\\\" + name;
  return network == "\\\\" ? Text() : network;
}

Text FolderCaption(const Text& chosen, const Text& productName) {
  return chosen + "\\" + productName;
}

Text ShortcutFileName(const Text& path) {
  // The last component starts after the last backslash or slash; a second
  // byte 0x5C of a two-byte character is no separator.
  size_t componentStart = 0;
  for (size_t pos = 0; pos < path.size(); pos += IsLeadByte(path[pos]) ? 2 : 1) {
    if (path[pos] == '\\' || path[pos] == '/') componentStart = pos + 1;
  }
  if (path.find('.', componentStart) != Text::npos) return path;
  return path + ".lnk";
}

Text QuotedCommandLine(const Text& exePath) { return "\"" + exePath + "\""; }
