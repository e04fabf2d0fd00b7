#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

// Every text of the installer is a code-page-936 byte string, and the tests
// run where the ANSI code page is 936, as on the systems it is meant for.
TEST(CodePage, AnsiCodePageIs936) {
  EXPECT_EQ(GetACP(), 936u);
  EXPECT_TRUE(IsDBCSLeadByte(0xB0));
  EXPECT_FALSE(IsDBCSLeadByte('A'));
}

TEST(CodePage, LiteralsAreCodePage936Bytes) {
  const char text[] = "安装程序";
  const unsigned char expected[] = {0xB0, 0xB2, 0xD7, 0xB0, 0xB3, 0xCC, 0xD0, 0xF2};
  ASSERT_EQ(sizeof(text) - 1, sizeof(expected));
  EXPECT_EQ(std::memcmp(text, expected, sizeof(expected)), 0);
  // And Windows reads them back as those four characters.
  wchar_t wide[8] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 5);
  EXPECT_EQ(wide[0], 0x5B89);  // 安
}
