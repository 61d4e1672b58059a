// The code page 932 table held against Windows's own conversions, code by code and unit by unit: the table
// the program converts with must give what the system gives, on whatever Windows (or Wine) runs the tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/cp932.h"
#include "base/encoding.h"

namespace tovir {
namespace {

constexpr UINT kCp932 = 932;

std::u16string SystemRead(const std::string& bytes) {
  wchar_t out[8];
  int n = MultiByteToWideChar(kCp932, 0, bytes.data(), static_cast<int>(bytes.size()), out, 8);
  return std::u16string(out, out + (n > 0 ? n : 0));
}

bool SystemReadsExactly(const std::string& bytes) {
  wchar_t out[8];
  return MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out,
                             8) > 0;
}

// What the system writes for one UTF-16 unit, with nothing similar taken when `exact`; nullopt when it writes
// its default character for it.
std::optional<std::string> SystemWrite(wchar_t unit, bool exact) {
  char out[8];
  BOOL usedDefault = FALSE;
  int n =
      WideCharToMultiByte(kCp932, exact ? WC_NO_BEST_FIT_CHARS : 0, &unit, 1, out, 8, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  return std::string(out, static_cast<size_t>(n));
}

TEST(Cp932TableOnWindows, EveryCodeReadsAsTheSystemReadsIt) {
  for (unsigned b = 0; b < 0x100; ++b) {
    auto byte = static_cast<unsigned char>(b);
    ASSERT_EQ(IsDBCSLeadByteEx(kCp932, byte) != 0, IsLeadByte(byte)) << std::hex << b;
    if (IsLeadByte(byte)) continue;
    std::string bytes(1, static_cast<char>(b));
    EXPECT_EQ(Cp932ToUtf16(bytes), SystemRead(bytes)) << std::hex << b;
    // 0xA0 and 0xFD to 0xFF fail when invalid characters are asked to, yet read and write back whole: the
    // program takes them as characters.
    EXPECT_TRUE(Cp932ToUtf16Exact(bytes).has_value()) << std::hex << b;
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
      EXPECT_EQ(Cp932ToUtf16(bytes), SystemRead(bytes)) << std::hex << lead << trail;
      EXPECT_EQ(Cp932ToUtf16Exact(bytes).has_value(), SystemReadsExactly(bytes)) << std::hex << lead << trail;
    }
  }
}

TEST(Cp932TableOnWindows, EveryUtf16UnitIsWrittenAsTheSystemWritesIt) {
  for (unsigned u = 0; u < 0x10000; ++u) {
    auto unit = static_cast<wchar_t>(u);
    std::u16string utf16(1, static_cast<char16_t>(u));
    EXPECT_EQ(Utf16ToCp932(utf16).value_or("<none>"), SystemWrite(unit, true).value_or("<none>"))
        << std::hex << u;
    // Ill-formed UTF-16 has no UTF-8 form; the system writes a lone surrogate as "?" like any unit without a
    // code.
    std::string utf8 = u >= 0xD800 && u <= 0xDFFF ? "\xEF\xBF\xBD" : Utf16ToUtf8(utf16);
    EXPECT_EQ(Utf8ToCp932Lossy(utf8), SystemWrite(unit, false).value_or("?")) << std::hex << u;
  }
}

}  // namespace
}  // namespace tovir
