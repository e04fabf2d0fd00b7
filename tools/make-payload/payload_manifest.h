// The payload recipe: one entry per line, in archive order.
//
//   name<TAB>source            a file, its bytes taken as they are
//   name<TAB>source<TAB>text   a UTF-8 text file, carried as Windows text:
//                              code page 936, CR LF line ends
//   name/                      a folder
//
// Names are UTF-8 with "/" between folders; blank lines and lines starting
// with "#" are skipped. Relative sources are taken from a base folder.
#pragma once

#include <string>
#include <vector>

struct ManifestLine {
  std::string name;
  std::string source;  // empty for a folder
  bool windowsText = false;
};

// False, with the line number and the reason in *error, for a malformed line.
bool ParseManifest(const std::string& text, std::vector<ManifestLine>* lines, std::string* error);
