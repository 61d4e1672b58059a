// The byte-string rules and the conversions over any bytes. Input: a split byte, then bytes that are cut in
// two at that place; each half is taken as CP932 and as UTF-8.
#include <string>
#include <string_view>

#include "base/cp932.h"
#include "base/encoding.h"
#include "fuzz_check.h"

using namespace tovir;

namespace {

int Sign(int v) {
  return (v > 0) - (v < 0);
}

void CheckBytes(std::string_view s) {
  std::string_view t = Trim(s);
  FUZZ_CHECK(Trim(t) == t);
  FUZZ_CHECK(t.empty() ||
             (static_cast<unsigned char>(t.front()) > 0x20 && static_cast<unsigned char>(t.back()) > 0x20));
  FUZZ_CHECK(CutAtNul(s).find('\0') == std::string_view::npos);
  size_t at = FindChar(s, '_');
  FUZZ_CHECK(at == std::string_view::npos || s[at] == '_');
  at = FindLastCharOf(s, "/\\:");
  FUZZ_CHECK(at == std::string_view::npos || s[at] == '/' || s[at] == '\\' || s[at] == ':');
  std::string upper = UpperAscii(s);
  FUZZ_CHECK(upper.size() == s.size() && EqualsNoCase(upper, s) && UpperAscii(upper) == upper);
}

void CheckConversions(std::string_view s) {
  // CP932 to Unicode: the exact conversion, where it succeeds, is what the lossy one gives, and what comes
  // back from Unicode decodes to the same text again.
  auto utf8 = Cp932ToUtf8Exact(s);
  auto utf16 = Cp932ToUtf16Exact(s);
  FUZZ_CHECK(utf8.has_value() == utf16.has_value());
  if (utf8) {
    FUZZ_CHECK(*utf8 == Cp932ToUtf8(s));
    FUZZ_CHECK(*utf16 == Cp932ToUtf16(s));
    FUZZ_CHECK(Utf8ToUtf16(*utf8) == utf16);
    auto back = Utf8ToCp932(*utf8);
    FUZZ_CHECK(back.has_value() && Cp932ToUtf8Exact(*back) == utf8);
    FUZZ_CHECK(Utf16ToCp932(*utf16) == back);
    FUZZ_CHECK(Utf8ToCp932Lossy(*utf8) == *back);
  } else {
    // What did not decode became U+FFFD, or "・" for an unassigned two-byte code: still well-formed text.
    std::string lossy = Cp932ToUtf8(s);
    FUZZ_CHECK(Utf8ToUtf16(lossy).has_value());
    FUZZ_CHECK(lossy.find("\xEF\xBF\xBD") != std::string::npos ||
               lossy.find("\xE3\x83\xBB") != std::string::npos);
  }
  // UTF-8 to CP932: exact and lossy agree where the exact one succeeds; UTF-8 and UTF-16 round-trip.
  auto cp932 = Utf8ToCp932(s);
  if (cp932) FUZZ_CHECK(*cp932 == Utf8ToCp932Lossy(s));
  if (auto wide = Utf8ToUtf16(s)) {
    FUZZ_CHECK(Utf16ToUtf8(*wide) == s);
  } else {
    FUZZ_CHECK(!cp932);
  }
  // Any UTF-16, paired surrogates or not, gives well-formed UTF-8.
  std::u16string units(s.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(s[2 * i]) |
                                     static_cast<unsigned char>(s[2 * i + 1]) << 8);
  }
  FUZZ_CHECK(Utf8ToUtf16(Utf16ToUtf8(units)).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
  size_t split = data[0] % (all.size() + 1);
  std::string_view a = all.substr(0, split), b = all.substr(split);
  for (std::string_view s : {a, b, all}) {
    CheckBytes(s);
    CheckConversions(s);
  }
  // The order of the sorted lists: antisymmetric, and equal exactly when EqualsNoCase says so.
  FUZZ_CHECK(Sign(CompareNoCase(a, b)) == -Sign(CompareNoCase(b, a)));
  FUZZ_CHECK((CompareNoCase(a, b) == 0) == EqualsNoCase(a, b));
  FUZZ_CHECK(CompareNoCase(a, a) == 0);
  return 0;
}
