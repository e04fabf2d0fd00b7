#include "tools/make-payload/cp936.h"

#include <iconv.h>

bool Utf8ToCp936(const std::string& text, std::string* out) {
  iconv_t converter = iconv_open("CP936", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  // Two bytes at most for every UTF-8 sequence, which is never shorter.
  out->assign(text.size(), '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* next = out->empty() ? nullptr : &(*out)[0];
  size_t outLeft = out->size();
  const bool ok = iconv(converter, &in, &inLeft, &next, &outLeft) != static_cast<size_t>(-1);
  iconv_close(converter);
  out->resize(out->size() - outLeft);
  return ok && inLeft == 0;
}

bool ToWindowsText(const std::string& text, std::string* out) {
  std::string crlf;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf.push_back('\r');
    crlf.push_back(text[i]);
  }
  return Utf8ToCp936(crlf, out);
}
