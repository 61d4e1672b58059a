// Conversions between CP932 and Unicode.
#include "base/encoding.h"

#include <gtest/gtest.h>

namespace tovir {
namespace {

TEST(Encoding, RoundTripsCp932SpecificCharacters) {
  struct Case {
    const char* utf8;
    const char* cp932;
  } cases[] = {
      {"設計", "\x90\xdd\x8c\x76"},
      {"ﾌｧｲﾙ", "\xcc\xa7\xb2\xd9"},    // half-width katakana are single bytes
      {"C:\\MCADAM~", "C:\\MCADAM~"},  // 0x5C and 0x7E stay backslash and tilde
      {"①～", "\x87\x40\x81\x60"},     // NEC special and the CP932 wave dash
      {"図面名（PN,FN）", "\x90\x7d\x96\xca\x96\xbc\x81\x69PN,FN\x81\x6a"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp932(c.utf8).value_or("<none>"), c.cp932) << c.utf8;
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    EXPECT_EQ(Cp932ToUtf8Exact(c.cp932).value_or("<none>"), c.utf8);
    EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(c.cp932)).value_or("<none>"), c.cp932);
  }
}

TEST(Encoding, BytesThatDoNotDecodeBecomeReplacementCharacters) {
  EXPECT_EQ(Cp932ToUtf8("A\x85\x40"
                        "B"),
            "A\xEF\xBF\xBD@B");                        // row 0x85 is unassigned; "@" stands alone
  EXPECT_EQ(Cp932ToUtf8("AB\x82"), "AB\xEF\xBF\xBD");  // a lead byte cut off at the end
  EXPECT_FALSE(Cp932ToUtf8Exact("AB\x82").has_value());
}

TEST(Encoding, RefusesWhatCp932CannotHold) {
  EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // an emoji
  EXPECT_FALSE(Utf8ToCp932("\xC3\x28").has_value());          // ill-formed UTF-8
  EXPECT_FALSE(Utf8ToCp932("\xED\xA0\x80").has_value());      // an encoded surrogate
  EXPECT_EQ(Utf8ToCp932Lossy("A\xF0\x9F\x98\x80"
                             "設"),
            "A?\x90\xdd");
  EXPECT_EQ(Utf8ToCp932Lossy("A\xC3"), "A?");
}

TEST(Encoding, Utf16AndUtf8ConvertBothWays) {
  EXPECT_EQ(Utf8ToUtf16("a\xF0\x9F\x98\x80").value(), u"a\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(u"a\U0001F600"), "a\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

// tovir-cli converts its output through a table of every character; it must give exactly what converting
// the whole text at once gives, bad bytes included.
TEST(Encoding, Cp932ToUtf8GivesTheSameForEveryCharacterAsTheWholeTextConversion) {
  for (int lead = 0x80; lead < 0x100; ++lead) {
    for (int trail :
         {-1, 0x00, 0x0A, 0x3F, 0x40, 0x5C, 0x7E, 0x7F, 0x80, 0x9F, 0xA0, 0xDF, 0xFC, 0xFD, 0xFF}) {
      std::string text = "A";
      text += static_cast<char>(lead);
      if (trail >= 0) text += static_cast<char>(trail);
      text += "Z\r\n";
      EXPECT_EQ(Cp932ToUtf8(text), Utf16ToUtf8(Cp932ToUtf16(text))) << lead << " " << trail;
    }
  }
  std::string text;
  for (int trail = 0x40; trail < 0xFD; ++trail) text += std::string("\x88") + static_cast<char>(trail);
  EXPECT_EQ(Cp932ToUtf8(text), Utf16ToUtf8(Cp932ToUtf16(text)));
}

}  // namespace
}  // namespace tovir
