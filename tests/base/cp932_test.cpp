// Byte-string rules: trimming, double-byte-aware searches, upper-casing, ordering, the count label.
#include "base/cp932.h"

#include <gtest/gtest.h>

namespace tovir {
namespace {

using namespace std::string_view_literals;
constexpr size_t npos = std::string_view::npos;

TEST(Cp932, TrimRemovesBytesUpToBlankAtBothEndsOnly) {
  struct Case {
    std::string_view in, out;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"  GRP1  ", "GRP1"},
      {"\0\t\r\nA B\x20\x1f"sv, "A B"},
      {"\x81\x40X\x81\x40", "\x81\x40X\x81\x40"},  // a full-width blank is text, not trimmed
      {"\x7f", "\x7f"},
  };
  for (const auto& c : cases) EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(Cp932, SearchesStepOverDoubleByteCharacters) {
  struct Case {
    std::string_view text;
    char c;
    size_t pos;
  } cases[] = {
      {"SATO_01", '_', 4},     {"_ABC", '_', 0},
      {"\x83\x5f_", '_', 2},                             // the trail byte of "ダ" is 0x5F and must not count
      {"\x83\x5f", '_', npos}, {"\x95\x5c\\", '\\', 2},  // "表" ends in 0x5C
      {"AB\x83", '\x83', 2},                             // a lone lead byte at the end is still found
      {"ABC", '_', npos},
  };
  for (const auto& c : cases) EXPECT_EQ(FindChar(c.text, c.c), c.pos) << c.text;

  EXPECT_EQ(FindLastCharOf("A:\\MCADAM\\GRP1\\V3idxft", "\\:"), 14u);
  EXPECT_EQ(FindLastCharOf("A:\\\x95\x5c", "\\:"), 2u);
  EXPECT_EQ(FindLastCharOf("V3idxft", "\\:"), npos);
}

TEST(Cp932, UpperAsciiLeavesDoubleByteCharactersWhole) {
  EXPECT_EQ(UpperAscii("abc-XYZ,01 z"), "ABC-XYZ,01 Z");
  EXPECT_EQ(UpperAscii("\x82\x61z"), "\x82\x61Z");  // "Ｂ" has the trail byte 0x61, which is "a"
  EXPECT_EQ(UpperAscii("\x82"), "\x82");
}

TEST(Cp932, CompareNoCaseOrdersListsLetterCaseBlind) {
  EXPECT_EQ(CompareNoCase("a", "B"), -1);
  EXPECT_EQ(CompareNoCase("MCSATO", "mcsato"), 0);
  EXPECT_EQ(CompareNoCase("MCa", "MCb"), -1);
  EXPECT_EQ(CompareNoCase("AB", "A"), 1);
  EXPECT_EQ(CompareNoCase("_", "a"), -1);  // letters compare as small letters
  EXPECT_EQ(CompareNoCase("\x90\xdd", "Z"), 1);
  EXPECT_TRUE(EqualsNoCase("V3IDXFT", "v3idxft"));
  EXPECT_FALSE(EqualsNoCase("V3IDXFT", "v3idxf"));
}

TEST(Cp932, CountLabelRightAlignsInFiveCharacters) {
  EXPECT_EQ(FormatCount(0), "    0 file");
  EXPECT_EQ(FormatCount(12), "   12 file");
  EXPECT_EQ(FormatCount(99999), "99999 file");
  EXPECT_EQ(FormatCount(123456), "123456 file");
}

}  // namespace
}  // namespace tovir
