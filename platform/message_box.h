// Message boxes: no owner window, task-modal, fixed texts.
#pragma once

#include <string>

constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbTaskModal = 0x2000;
constexpr int kIdYes = 6;

// MessageBoxA(NULL, text, title, flags); returns the button pressed.
int ShowMessageBox(const std::string& text, const std::string& title, unsigned flags);
