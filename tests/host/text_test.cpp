#include "app/text.h"

#include <gtest/gtest.h>

#include "app/install_plan.h"

namespace {

using Items = std::vector<Text>;

TEST(SplitText, CatalogueGivesFifteenNames) {
  Items items = SplitText(kProductListText, "|");
  ASSERT_EQ(items.size(), 15u);
  EXPECT_EQ(items[0], "BrivonaAlder");
  EXPECT_EQ(items[9], "BrivonaJuniper");
  EXPECT_EQ(items[11], "BrivonaLarch");
  EXPECT_EQ(items[14], "BrivonaOak");
}

TEST(SplitText, EmptyItemsAndSeparatorsAtTheEnds) {
  struct Case {
    Text text, separator;
    Items expected;
  } cases[] = {
      {"", "|", {}},
      {"abc", "", {"abc"}},
      {"a||b", "|", {"a", "", "b"}},
      {"|a", "|", {"", "a"}},
      {"a|", "|", {"a"}},
      {"|", "|", {""}},
      {"a::b::", "::", {"a", "b"}},
      {"a:", "::", {"a:"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << '"' << c.text << '"';
  }
}

TEST(SplitText, SeparatorByteInsideATwoByteCharacterIsNoSeparator) {
  // 0x81 0x7C is one character whose second byte is the "|" byte.
  Text text = "x\x81|y|z";
  EXPECT_EQ(SplitText(text, "|"), (Items{"x\x81|y", "z"}));
  // A lead byte at the very end stops the scan; the rest is the last item.
  EXPECT_EQ(SplitText("a|\x81", "|"), (Items{"a", "\x81"}));
}

TEST(FindText, StepsOverTwoByteCharacters) {
  EXPECT_EQ(FindText("abc?d", "?"), 4u);
  EXPECT_EQ(FindText("abc", "?"), 0u);
  // "\x81\x41" is one character: "A" at its second byte is not found.
  EXPECT_EQ(FindText("\x81"
                     "A",
                     "A"),
            0u);
  EXPECT_EQ(FindText("\x81"
                     "AA",
                     "A"),
            3u);
}

TEST(TrimSpaces, AsciiAndFullWidthSpacesAtBothEnds) {
  struct Case {
    Text text, expected;
  } cases[] = {
      {"  abc  ", "abc"},
      {"　abc　", "abc"},  // full-width spaces, A1 A1 in code page 936
      {" 　 ", ""},
      {"", ""},
      {"\tabc\r\n", "\tabc\r\n"},
      {" a b ", "a b"},
      // A1 A1 straddling two characters is not a space: B0 A1 A1 B0.
      {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
      // A lone lead byte at the end is dropped and that end trims no further.
      {" abc \xB0", "abc "},
      {"中文 ", "中文"},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimSpaces(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
