// Every CP932 code and every UTF-16 unit through the conversions, both ways, against the code page 932 table.
// The Windows build runs it too (under Wine), where the table is also held against the system's own
// conversions (win32/cp932_table_win32_test.cpp).
#include "base/cp932_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "base/cp932.h"
#include "base/encoding.h"

namespace tovir {
namespace {

using namespace cp932_table;

constexpr bool IsTrail(unsigned b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// The table's character for a code: a single byte, or lead * 256 + trail.
char16_t TableChar(unsigned code) {
  if (code < 0x100) return kSingleBytes[code];
  unsigned lead = code >> 8;
  unsigned trail = code & 0xFF;
  size_t row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
  size_t cell = trail <= 0x7E ? trail - 0x40 : trail - 0x41;
  return kDoubleBytes[row][cell];
}

std::string Bytes(unsigned code) {
  std::string out;
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
  return out;
}

// Every single byte and every lead byte with every trail byte.
std::vector<unsigned> EveryCode() {
  std::vector<unsigned> codes;
  for (unsigned b = 0; b < 0x100; ++b) {
    if (!IsLeadByte(static_cast<unsigned char>(b))) codes.push_back(b);
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (IsTrail(trail)) codes.push_back(lead * 256 + trail);
    }
  }
  return codes;
}

// The code written for each character that has one of its own: every assigned code but the duplicates.
std::map<char16_t, unsigned> WrittenCodes() {
  std::set<unsigned> readOnly(kDecodeOnly.begin(), kDecodeOnly.end());
  std::map<char16_t, unsigned> written;
  for (unsigned code : EveryCode()) {
    char16_t c = TableChar(code);
    if (c == kNone || readOnly.count(code) != 0) continue;
    EXPECT_TRUE(written.emplace(c, code).second) << "two codes written for U+" << std::hex << int{c};
  }
  return written;
}

TEST(Cp932Table, EveryCodeReadsAsTheTableSaysAndWritesBack) {
  std::map<char16_t, unsigned> written = WrittenCodes();
  std::set<unsigned> readOnly(kDecodeOnly.begin(), kDecodeOnly.end());
  std::string all;
  std::u16string allRead;
  std::string allBack;
  size_t assigned = 0;
  for (unsigned code : EveryCode()) {
    std::string bytes = Bytes(code);
    char16_t c = TableChar(code);
    ASSERT_TRUE(code > 0xFF || c != kNone) << "every single byte is a character";
    // An unassigned code is still one character: Windows reads it as its default character.
    std::u16string read(1, c == kNone ? u'\u30FB' : c);
    EXPECT_EQ(Cp932ToUtf16(bytes), read) << std::hex << code;
    EXPECT_EQ(Cp932ToUtf8(bytes), Utf16ToUtf8(read)) << std::hex << code;
    EXPECT_EQ(Cp932ToUtf16Exact(bytes).has_value(), c != kNone) << std::hex << code;
    all += bytes;
    allRead += read;
    allBack += Bytes(written.at(read[0]));
    if (c == kNone) continue;
    ++assigned;
    // Back again: a duplicate is written as the code that Windows writes for its character.
    auto w = written.find(c);
    ASSERT_NE(w, written.end()) << std::hex << code;
    EXPECT_EQ(w->second != code, readOnly.count(code) != 0) << std::hex << code;
    std::string back = Bytes(w->second);
    EXPECT_EQ(Utf16ToCp932(read).value_or("<none>"), back) << std::hex << code;
    EXPECT_EQ(Utf8ToCp932(Utf16ToUtf8(read)).value_or("<none>"), back) << std::hex << code;
    EXPECT_EQ(Utf8ToCp932Lossy(Utf16ToUtf8(read)), back) << std::hex << code;
  }
  // All codes in one text: none takes a byte of its neighbour.
  EXPECT_EQ(Cp932ToUtf16(all), allRead);
  EXPECT_EQ(Utf8ToCp932Lossy(Cp932ToUtf8(all)), allBack);
  EXPECT_GT(assigned, 9000u);  // a table cut short would pass everything else
}

TEST(Cp932Table, ALeadByteWithoutItsTrailByteIsAReplacementCharacter) {
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    EXPECT_EQ(Cp932ToUtf16(Bytes(lead)), u"\uFFFD") << std::hex << lead;
    for (unsigned next = 0; next < 0x100; ++next) {
      if (IsTrail(next)) continue;
      // The byte after it is no trail byte, so it is a character of its own.
      std::string bytes = {static_cast<char>(lead), static_cast<char>(next)};
      std::u16string read = {u'\uFFFD', kSingleBytes[next]};
      EXPECT_EQ(Cp932ToUtf16(bytes), read) << std::hex << lead << " " << next;
      EXPECT_FALSE(Cp932ToUtf16Exact(bytes).has_value()) << std::hex << lead << " " << next;
    }
  }
}

TEST(Cp932Table, EveryUtf16UnitIsWrittenAsWindowsWritesIt) {
  std::map<char16_t, unsigned> written = WrittenCodes();
  std::map<char16_t, unsigned> similar;
  for (const BestFit& fit : kBestFit) {
    EXPECT_EQ(written.count(fit.unicode), 0u) << std::hex << int{fit.unicode};
    EXPECT_NE(TableChar(fit.code), fit.unicode) << std::hex << int{fit.unicode};
    similar.emplace(fit.unicode, fit.code);
  }
  for (unsigned u = 0; u < 0x10000; ++u) {
    std::u16string unit(1, static_cast<char16_t>(u));
    auto w = written.find(static_cast<char16_t>(u));
    auto s = similar.find(static_cast<char16_t>(u));
    std::string lossy = w != written.end() ? Bytes(w->second) : s != similar.end() ? Bytes(s->second) : "?";
    EXPECT_EQ(Utf16ToCp932(unit).value_or("<none>"), w != written.end() ? lossy : "<none>") << std::hex << u;
    if (u >= 0xD800 && u <= 0xDFFF) continue;  // a lone surrogate has no UTF-8 form
    EXPECT_EQ(Utf8ToCp932Lossy(Utf16ToUtf8(unit)), lossy) << std::hex << u;
  }
}

}  // namespace
}  // namespace tovir
