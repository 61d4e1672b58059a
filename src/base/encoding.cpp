// Conversions between CP932 and Unicode, through Microsoft's code page 932 table on every platform.
#include "base/encoding.h"

#include <array>
#include <cstdint>

#include "base/cp932.h"
#include "base/cp932_table.h"

namespace tovir {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Second byte of a double-byte character in code page 932.
constexpr bool IsTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

constexpr uint16_t kNoCode = 0xFFFF;         // no lead byte is 0xFF, so no code is
constexpr char16_t kUnassigned = u'\u30FB';  // what Windows reads an unassigned code as
constexpr char16_t kReplacement = u'\uFFFD';

size_t RowOf(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 31;
}
size_t CellOf(unsigned char trail) {
  return trail <= 0x7E ? trail - 0x40u : trail - 0x41u;
}

// The table both ways, indexed directly: a code is a single byte, or lead byte * 256 + trail byte.
class Tables {
 public:
  Tables() {
    using namespace cp932_table;
    decode_.fill(kNone);
    encode_.fill(kNoCode);
    for (unsigned b = 0; b < 256; ++b) decode_[b] = kSingleBytes[b];
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
        decode_[lead * 256 + trail] =
            kDoubleBytes[RowOf(static_cast<unsigned char>(lead))][CellOf(static_cast<unsigned char>(trail))];
      }
    }
    // Written codes: every assigned code but the duplicates, then the similar characters.
    std::array<bool, 0x10000> readOnly{};
    for (uint16_t code : kDecodeOnly) readOnly[code] = true;
    for (unsigned code = 0; code < 0x10000; ++code) {
      if (decode_[code] != kNone && !readOnly[code]) encode_[decode_[code]] = static_cast<uint16_t>(code);
    }
    for (const BestFit& fit : kBestFit) encode_[fit.unicode] = fit.code;
  }

  // The character of one double-byte code; kNone where unassigned.
  char16_t Decode(unsigned code) const { return decode_[code]; }
  // The code Windows writes for one UTF-16 unit, exact or similar; kNoCode where it writes its default "?".
  uint16_t Encode(char16_t unit) const { return encode_[unit]; }
  // Whether the unit's code reads back as the unit.
  bool HasOwnCode(char16_t unit) const { return encode_[unit] != kNoCode && decode_[encode_[unit]] == unit; }

 private:
  std::array<char16_t, 0x10000> decode_;
  std::array<uint16_t, 0x10000> encode_;
};

// Built once, on first use, and only read after that.
const Tables& Table() {
  static const Tables tables;
  return tables;
}

// Reads `cp932` character by character into `emit`; false when `exact` and a code is unassigned or a lead
// byte lacks its trail byte.
template <typename Emit>
bool Decode(std::string_view cp932, bool exact, Emit emit) {
  const Tables& table = Table();
  for (size_t i = 0; i < cp932.size();) {
    auto b = static_cast<unsigned char>(cp932[i]);
    if (!IsLeadByte(b)) {
      emit(cp932_table::kSingleBytes[b]);
      i += 1;
    } else if (i + 1 < cp932.size() && IsTrailByte(static_cast<unsigned char>(cp932[i + 1]))) {
      char16_t c = table.Decode(b * 256u + static_cast<unsigned char>(cp932[i + 1]));
      if (c == cp932_table::kNone) {
        if (exact) return false;
        c = kUnassigned;
      }
      emit(c);
      i += 2;
    } else {
      if (exact) return false;
      emit(kReplacement);
      i += 1;  // the next byte is no trail byte: it is a character of its own
    }
  }
  return true;
}

void AppendCode(std::string& out, uint16_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// Appends the CP932 form of `utf16`, unit by unit as Windows converts; false when `exact` and a unit has no
// code of its own.
bool Encode(std::u16string_view utf16, bool exact, std::string& out) {
  const Tables& table = Table();
  for (char16_t unit : utf16) {
    if (exact && !table.HasOwnCode(unit)) return false;
    uint16_t code = table.Encode(unit);
    if (code == kNoCode) {
      out += '?';
    } else {
      AppendCode(out, code);
    }
  }
  return true;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view cp932) {
  std::u16string out;
  out.reserve(cp932.size());
  Decode(cp932, false, [&](char16_t c) { out += c; });
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  Decode(cp932, false, [&](char16_t c) { AppendUtf8(out, c); });
  return out;
}

std::optional<std::u16string> Cp932ToUtf16Exact(std::string_view cp932) {
  std::u16string out;
  out.reserve(cp932.size());
  if (!Decode(cp932, true, [&](char16_t c) { out += c; })) return std::nullopt;
  return out;
}

std::optional<std::string> Cp932ToUtf8Exact(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  if (!Decode(cp932, true, [&](char16_t c) { AppendUtf8(out, c); })) return std::nullopt;
  return out;
}

std::optional<std::string> Utf16ToCp932(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  if (!Encode(utf16, true, out)) return std::nullopt;
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  auto utf16 = Utf8ToUtf16(utf8);
  if (!utf16) return std::nullopt;
  return Utf16ToCp932(*utf16);
}

std::string Utf16ToCp932Lossy(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  Encode(utf16, false, out);
  return out;
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  if (auto utf16 = Utf8ToUtf16(utf8)) {
    std::string out;
    Encode(*utf16, false, out);
    return out;
  }
  // Ill-formed somewhere: take one UTF-8 sequence (or one stray byte) at a time.
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + len > utf8.size()) len = 1;
    if (auto utf16 = Utf8ToUtf16(utf8.substr(i, len))) {
      Encode(*utf16, false, out);
      i += len;
    } else {
      out += '?';
      i += 1;
    }
  }
  return out;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    auto b0 = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t len;
    if (b0 < 0x80) {
      cp = b0;
      len = 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
      cp = b0 & 0x1F;
      len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      cp = b0 & 0x0F;
      len = 3;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      cp = b0 & 0x07;
      len = 4;
    } else {
      return std::nullopt;
    }
    if (i + len > utf8.size()) return std::nullopt;
    for (size_t k = 1; k < len; ++k) {
      auto b = static_cast<unsigned char>(utf8[i + k]);
      if ((b & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return std::nullopt;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tovir
