// Shell: the folder-browse dialog and shell links.
#pragma once

#include <string>

// What the folder-browse dialog gave back.
struct FolderDialogOutcome {
  bool listReturned = false;  // the dialog returned an item list
  std::string displayName;    // pszDisplayName up to its zero byte
  bool pathFound = false;     // SHGetPathFromIDListA succeeded
  std::string path;           // its buffer up to the first zero byte
};

// SHBrowseForFolderA rooted at the desktop, owned by owner (an HWND), flags
// 0x77, no callback; display-name and path buffers of 260 spaces and a zero.
FolderDialogOutcome BrowseForFolder(void* owner, const std::string& title);

// Saves a shell link at fileName (converted through the ANSI code page) whose
// target is target and show command SW_SHOW; nothing else is set. Needs COM
// on the calling thread. False when any step failed or the name does not fit
// in MAX_PATH.
bool CreateShortcut(const std::string& fileName, const std::string& target);
