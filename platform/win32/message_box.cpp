#include "platform/message_box.h"

#include <windows.h>

int ShowMessageBox(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
}
