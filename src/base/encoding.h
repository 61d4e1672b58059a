// Conversions between the program's CP932 bytes and Unicode, used only at the edges: file names on disk, the
// Windows W APIs, the clipboard and the command-line tool's output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovir {

// CP932 to Unicode. Every byte that does not decode (an unassigned code, a lone lead byte) becomes U+FFFD.
std::u16string Cp932ToUtf16(std::string_view cp932);
std::string Cp932ToUtf8(std::string_view cp932);

// Exact CP932 to Unicode: nullopt when any byte does not decode.
std::optional<std::u16string> Cp932ToUtf16Exact(std::string_view cp932);
std::optional<std::string> Cp932ToUtf8Exact(std::string_view cp932);

// Unicode to CP932: nullopt when the input is not well-formed or holds a character that CP932 lacks.
std::optional<std::string> Utf16ToCp932(std::u16string_view utf16);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Unicode to CP932, with '?' for every character that CP932 lacks (and for ill-formed input).
std::string Utf8ToCp932Lossy(std::string_view utf8);

// UTF-8 and UTF-16 between each other. Utf8ToUtf16 gives nullopt for ill-formed UTF-8; Utf16ToUtf8 writes
// U+FFFD for an unpaired surrogate.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

namespace encoding_detail {
// The platform's converters (iconv or code page 932), exact: false on the first failure.
bool DecodeCp932(std::string_view in, std::u16string& out);
bool EncodeCp932(std::u16string_view in, std::string& out);
}  // namespace encoding_detail

}  // namespace tovir
