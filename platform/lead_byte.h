// Two-byte characters of code page 936, the code page of every path and name.
#pragma once

// True for a byte that begins a two-byte character (what IsDBCSLeadByte says
// under code page 936); the byte after it is never a separator of its own.
inline bool IsLeadByte936(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
