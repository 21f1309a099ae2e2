// The string services: comparing and lowering with the console's one case
// rule, and integers written in a radix.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "plataforma.h"

namespace {

TEST(Textos, StrcmpiFoldsOnlyAToZ) {
  EXPECT_EQ(plataforma::_strcmpi("Pla", "pLA"), 0);
  EXPECT_LT(plataforma::_strcmpi("pla ", "plana"), 0);  // blank before letters
  EXPECT_GT(plataforma::_strcmpi("b", "A"), 0);
  EXPECT_EQ(plataforma::_strcmpi("abc", "ab"), 'c');
  EXPECT_EQ(plataforma::_strcmpi("[", "a"), '[' - 'a');  // '[' is not folded onto '{'
  EXPECT_GT(plataforma::_strcmpi("\xC7",
                                 "\xE7"
                                 "x"),
            -256);  // unsigned bytes, no folding
  EXPECT_EQ(plataforma::_strcmpi("\xC7", "\xE7"), 0xC7 - 0xE7);
  EXPECT_EQ(plataforma::_strcmpi("", ""), 0);
}

TEST(Textos, StrlwrLowersOnlyAToZInPlace) {
  char text[] = "ABC xyz @[`{ \xC7\xC0 Z";
  EXPECT_EQ(plataforma::_strlwr(text), text);
  EXPECT_STREQ(text, "abc xyz @[`{ \xC7\xC0 z");
}

TEST(Textos, ItoaInEveryRadix) {
  char b[40];
  EXPECT_STREQ(plataforma::_itoa(255, b, 16), "ff");
  EXPECT_STREQ(plataforma::_itoa(0, b, 2), "0");
  EXPECT_STREQ(plataforma::_itoa(5, b, 2), "101");
  EXPECT_STREQ(plataforma::_itoa(35, b, 36), "z");
  EXPECT_STREQ(plataforma::_itoa(-42, b, 10), "-42");
  EXPECT_STREQ(plataforma::_itoa(INT_MIN, b, 10), "-2147483648");
  EXPECT_STREQ(plataforma::_itoa(INT_MAX, b, 10), "2147483647");
  EXPECT_STREQ(plataforma::_itoa(-1, b, 16), "ffffffff");
  EXPECT_STREQ(plataforma::_itoa(-1, b, 2), std::string(32, '1').c_str());
  EXPECT_STREQ(plataforma::_itoa(INT_MIN, b, 8), "20000000000");
  EXPECT_STREQ(plataforma::_itoa(7, b, 1), "");
  EXPECT_STREQ(plataforma::_itoa(7, b, 37), "");
}

}  // namespace
