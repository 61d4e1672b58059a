// Conversions between CP932 and Unicode: the parts that are the same on every platform.
#include "base/encoding.h"

#include "base/cp932.h"

#include <vector>

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

// Length of the CP932 character that starts at s[i]: 2 for a lead byte with a trail byte after it, else 1.
size_t CharLength(std::string_view s, size_t i) {
  return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

// Every CP932 character decoded once, by the platform's own converter: a single byte at [byte], a double-byte
// character at [256 + (lead - 0x80) * 256 + trail]. 0 marks a character that does not decode.
class Cp932Table {
 public:
  Cp932Table() : units_(256 + 128 * 256, 0) {
    std::u16string one;
    for (int b = 0x80; b < 0x100; ++b) {
      char bytes[2] = {static_cast<char>(b), 0};
      if (IsLeadByte(static_cast<unsigned char>(b))) {
        for (int t = 0; t < 0x100; ++t) {
          bytes[1] = static_cast<char>(t);
          one.clear();
          if (t != 0 && encoding_detail::DecodeCp932(std::string_view(bytes, 2), one) && one.size() == 1) {
            units_[256 + static_cast<size_t>(b - 0x80) * 256 + static_cast<size_t>(t)] = one[0];
          }
        }
      } else {
        one.clear();
        if (encoding_detail::DecodeCp932(std::string_view(bytes, 1), one) && one.size() == 1)
          units_[b] = one[0];
      }
    }
  }
  char16_t Single(unsigned char b) const { return units_[b]; }
  char16_t Double(unsigned char lead, unsigned char trail) const {
    return units_[256 + static_cast<size_t>(lead - 0x80) * 256 + trail];
  }

 private:
  std::vector<char16_t> units_;
};

// Text that decodes throughout, converted through the table: the command-line tool writes millions of rows
// this way. False, with `out` in any state, at the first character that does not decode.
bool Cp932ToUtf8ByTable(std::string_view s, std::string& out) {
  static const Cp932Table table;
  out.reserve(s.size() + s.size() / 2);
  for (size_t i = 0; i < s.size(); ++i) {
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      continue;
    }
    char16_t unit = 0;
    if (IsLeadByte(b)) {
      if (i + 1 >= s.size()) return false;
      unit = table.Double(b, static_cast<unsigned char>(s[++i]));
    } else {
      unit = table.Single(b);
    }
    if (unit == 0) return false;
    AppendUtf8(out, unit);
  }
  return true;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view cp932) {
  std::u16string out;
  if (encoding_detail::DecodeCp932(cp932, out)) return out;
  // Something in it does not decode: go character by character so that only the bad bytes are replaced.
  out.clear();
  std::u16string one;
  for (size_t i = 0; i < cp932.size();) {
    size_t len = CharLength(cp932, i);
    one.clear();
    if (encoding_detail::DecodeCp932(cp932.substr(i, len), one)) {
      out += one;
      i += len;
    } else {
      out += u'\uFFFD';
      i += 1;  // the next byte may start a good character of its own
    }
  }
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  std::string out;
  if (Cp932ToUtf8ByTable(cp932, out)) return out;
  // Something does not decode: the careful way, which replaces only the bad bytes.
  return Utf16ToUtf8(Cp932ToUtf16(cp932));
}

std::optional<std::u16string> Cp932ToUtf16Exact(std::string_view cp932) {
  std::u16string out;
  if (!encoding_detail::DecodeCp932(cp932, out)) return std::nullopt;
  return out;
}

std::optional<std::string> Cp932ToUtf8Exact(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  auto utf16 = Cp932ToUtf16Exact(cp932);
  if (!utf16) return std::nullopt;
  return Utf16ToUtf8(*utf16);
}

std::optional<std::string> Utf16ToCp932(std::u16string_view utf16) {
  std::string out;
  if (!encoding_detail::EncodeCp932(utf16, out)) return std::nullopt;
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  auto utf16 = Utf8ToUtf16(utf8);
  if (!utf16) return std::nullopt;
  return Utf16ToCp932(*utf16);
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  if (auto exact = Utf8ToCp932(utf8)) return *exact;
  std::string out;
  std::string one;
  size_t i = 0;
  while (i < utf8.size()) {
    // Take one UTF-8 sequence (or one stray byte) at a time.
    auto lead = static_cast<unsigned char>(utf8[i]);
    size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + len > utf8.size()) len = 1;
    auto utf16 = Utf8ToUtf16(utf8.substr(i, len));
    one.clear();
    if (utf16 && encoding_detail::EncodeCp932(*utf16, one)) {
      out += one;
      i += len;
    } else {
      out += '?';
      i += utf16 ? len : 1;
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
