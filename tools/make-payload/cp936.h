// Entry names and text files are written in UTF-8 here and carried in code
// page 936, the code page the installer and the product are made for.
#pragma once

#include <string>

// False when the text is not valid UTF-8 or holds a character that code page
// 936 lacks; *out is then unspecified.
bool Utf8ToCp936(const std::string& text, std::string* out);

// A UTF-8 text file as Windows text: code page 936, and every line feed not
// already preceded by a carriage return gets one.
bool ToWindowsText(const std::string& text, std::string* out);
