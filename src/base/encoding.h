// Conversions between the program's CP932 bytes and Unicode, used only at the edges: file names on disk, the
// Windows W APIs, the clipboard and the command-line tool's output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovir {

// Every conversion goes through one table, Microsoft's code page 932 (base/cp932_table.h), on every platform:
// what Linux shows and writes is what Windows does.

// CP932 to Unicode. A lead byte with a trail byte is one character even where the code is unassigned; it
// reads as Windows reads it, "・" (U+30FB), so the text after it stays whole. A lead byte without a trail
// byte becomes U+FFFD and the byte after it is read on its own.
std::u16string Cp932ToUtf16(std::string_view cp932);
std::string Cp932ToUtf8(std::string_view cp932);

// Exact CP932 to Unicode: nullopt when any code is unassigned or any lead byte lacks its trail byte.
std::optional<std::u16string> Cp932ToUtf16Exact(std::string_view cp932);
std::optional<std::string> Cp932ToUtf8Exact(std::string_view cp932);

// Unicode to CP932: nullopt when the input is not well-formed or holds a character that has no code of its
// own (no "similar" character is taken).
std::optional<std::string> Utf16ToCp932(std::u16string_view utf16);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Unicode to CP932 as Windows writes it: each character with a code gets it, one without gets Windows's
// similar character where it has one ("¥" as "\", "é" as "e") and "?" otherwise, one "?" per UTF-16 unit (a
// character beyond U+FFFF gives "??"). Each byte that does not start a well-formed
// UTF-8 sequence gives "?".
std::string Utf8ToCp932Lossy(std::string_view utf8);
// The same for UTF-16, unit by unit: an unpaired surrogate gives "?".
std::string Utf16ToCp932Lossy(std::u16string_view utf16);

// UTF-8 and UTF-16 between each other. Utf8ToUtf16 gives nullopt for ill-formed UTF-8; Utf16ToUtf8 writes
// U+FFFD for an unpaired surrogate.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tovir
