// Text operations over code-page-936 byte strings. A byte of 0x80 or more
// begins a two-byte character; lengths and positions count bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

using Text = std::string;

inline bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// 1-based byte position of the first occurrence of needle in text, stepping
// over two-byte characters so that a second byte never starts a match; 0 when
// there is none.
size_t FindText(const Text& text, const Text& needle);

// The first n bytes (not aware of two-byte characters).
Text FirstBytes(const Text& text, size_t n);

// The text cut at separator; see the catalogue rules in SplitText's
// definition: empty items are kept, a trailing separator adds nothing, a
// separator byte inside a two-byte character is no separator.
std::vector<Text> SplitText(const Text& text, const Text& separator);

// Removes ASCII spaces and full-width spaces (A1 A1) from both ends, walking
// character by character.
Text TrimSpaces(const Text& text);
