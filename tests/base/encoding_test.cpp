// Conversions between CP932 and Unicode.
#include "base/encoding.h"

#include <gtest/gtest.h>

namespace tovir {
namespace {

using namespace std::string_literals;

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

TEST(Encoding, UnassignedCodesAreOneCharacterAndLoneLeadBytesReplacementCharacters) {
  struct Case {
    const char* what;
    std::string cp932;
    std::string utf8;
  } cases[] = {
      {"an unassigned code reads as Windows reads it",
       "A\x85\x40"
       "B",
       "A・B"},
      {"a trail byte that is a lead byte is not read again", "\x81\xE9\x81\xEA\x81\xEB", "・・・"},
      {"a lead byte cut off at the end", "AB\x82", "AB\uFFFD"},
      {"a lead byte before a byte that is no trail byte", "\x82 A\x82\x7F", "\uFFFD A\uFFFD\x7F"},
      {"a lead byte before a NUL", "\x82\0A"s, "\uFFFD\0A"s},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.what;
    EXPECT_FALSE(Cp932ToUtf8Exact(c.cp932).has_value()) << c.what;
  }
}

TEST(Encoding, TheFiveSingleBytesBeyondShiftJisConvertBothWays) {
  struct Case {
    const char* cp932;
    const char* utf8;
  } cases[] = {
      {"\x80", "\u0080"}, {"\xA0", "\uF8F0"}, {"\xFD", "\uF8F1"}, {"\xFE", "\uF8F2"}, {"\xFF", "\uF8F3"},
  };
  for (const auto& c : cases) {
    std::string name = std::string("G") + c.cp932 + "1";
    std::string utf8 = std::string("G") + c.utf8 + "1";
    EXPECT_EQ(Cp932ToUtf8(name), utf8);
    EXPECT_EQ(Cp932ToUtf8Exact(name).value_or("<none>"), utf8);
    EXPECT_EQ(Utf8ToCp932(utf8).value_or("<none>"), name);
    EXPECT_EQ(Utf8ToCp932Lossy(utf8), name);
  }
}

TEST(Encoding, CharactersWithoutACodeBecomeWhatWindowsWrites) {
  struct Case {
    const char* utf8;
    const char* lossy;
    bool exact = false;  // a code of its own, not a similar character
  } cases[] = {
      // The JIS forms of the wave dash, minus, dash, double bar and overline have no code and no similar
      // character, so a typed group name holding one selects the same group on both builds.
      {"\u301C\u2212\u2014\u2016\u203E", "?????"},
      {"\uFF5E", "\x81\x60", true},  // the full-width tilde has a code: "～"
      {"\u00A5\u00E9", "\\e"},       // similar characters: "¥" is written as "\", "é" as "e"
      {"\u00B7", "\x81\x45"},        // and the middle dot as "・"
      {"A\U0001F600", "A??"},        // one "?" per UTF-16 unit
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp932Lossy(c.utf8), c.lossy) << c.utf8;
    EXPECT_EQ(Utf8ToCp932(c.utf8).has_value(), c.exact) << c.utf8;
  }
}

TEST(Encoding, RefusesWhatCp932CannotHold) {
  EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // an emoji
  EXPECT_FALSE(Utf8ToCp932("\xC3\x28").has_value());          // ill-formed UTF-8
  EXPECT_FALSE(Utf8ToCp932("\xED\xA0\x80").has_value());      // an encoded surrogate
  EXPECT_EQ(Utf8ToCp932Lossy("A\xF0\x9F\x98\x80"
                             "設"),
            "A??\x90\xdd");  // as Windows writes it, one "?" per UTF-16 unit
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
