#include "app/text.h"

#include <cstring>

size_t FindText(const Text& text, const Text& needle) {
  if (needle.empty()) return 0;
  size_t pos = 0;
  while (pos + needle.size() <= text.size()) {
    if (text.compare(pos, needle.size(), needle) == 0) return pos + 1;
    pos += IsLeadByte(text[pos]) ? 2 : 1;
  }
  return 0;
}

Text FirstBytes(const Text& text, size_t n) { return text.substr(0, n); }

std::vector<Text> SplitText(const Text& text, const Text& separator) {
  std::vector<Text> items;
  if (text.empty()) return items;
  if (separator.empty()) {
    items.push_back(text);
    return items;
  }
  size_t itemStart = 0;
  size_t pos = 0;
  while (text.size() - pos >= separator.size()) {
    if (text.compare(pos, separator.size(), separator) == 0) {
      items.push_back(text.substr(itemStart, pos - itemStart));
      pos += separator.size();
      itemStart = pos;
    } else if (IsLeadByte(text[pos])) {
      // A lead byte whose partner would be the terminating zero ends the scan.
      if (pos + 1 >= text.size()) break;
      pos += 2;
    } else {
      pos += 1;
    }
  }
  if (itemStart < text.size()) items.push_back(text.substr(itemStart));
  return items;
}

namespace {

// Splits text into the byte offsets where its characters begin.
std::vector<size_t> CharacterStarts(const Text& text) {
  std::vector<size_t> starts;
  for (size_t pos = 0; pos < text.size(); pos += IsLeadByte(text[pos]) ? 2 : 1) {
    starts.push_back(pos);
  }
  return starts;
}

bool IsSpaceAt(const Text& text, size_t start) {
  if (text[start] == ' ') return true;
  return start + 1 < text.size() && static_cast<unsigned char>(text[start]) == 0xA1 &&
         static_cast<unsigned char>(text[start + 1]) == 0xA1;
}

}  // namespace

Text TrimSpaces(const Text& text) {
  std::vector<size_t> starts = CharacterStarts(text);
  size_t first = 0;
  size_t last = starts.size();  // one past the last character kept
  size_t end = text.size();
  // A lead byte standing alone at the very end is dropped, and that end is
  // trimmed no further.
  bool danglingLead =
      !starts.empty() && starts.back() + 1 == text.size() && IsLeadByte(text[starts.back()]);
  if (danglingLead) {
    --last;
    end = starts.back();
  } else {
    while (last > first && IsSpaceAt(text, starts[last - 1])) {
      --last;
      end = starts[last];
    }
  }
  while (first < last && IsSpaceAt(text, starts[first])) ++first;
  if (first >= last) return Text();
  return text.substr(starts[first], end - starts[first]);
}
