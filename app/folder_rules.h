// The plain rules of the folder chooser and of the shortcut's file name.
#pragma once

#include "app/text.h"
#include "platform/shell.h"

// The chosen folder, or an empty text when nothing usable was picked.
Text ChosenFolder(const FolderDialogOutcome& outcome);

// The caption after a pick: chosen + "\\" + product name.
Text FolderCaption(const Text& chosen, const Text& productName);

// path with ".lnk" appended when its last component holds no ".".
Text ShortcutFileName(const Text& path);

// The command line that starts the product: its path in quotes, so that a
// folder with spaces can never start another program.
Text QuotedCommandLine(const Text& exePath);
