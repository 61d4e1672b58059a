// Microsoft's code page 932 as data: what Windows's own conversions make of every CP932 code and every
// UTF-16 unit. Both builds convert with it, so Linux shows and writes what Windows does.
#pragma once

#include <cstdint>
#include <span>

namespace tovir::cp932_table {

// A cell with no character: a lead byte among the single bytes, an unassigned code among the double bytes.
inline constexpr char16_t kNone = 0xFFFF;

// The character of every byte that is not a lead byte.
extern const char16_t kSingleBytes[256];

// The double-byte codes: one entry per lead byte (0x81 to 0x9F, then 0xE0 to 0xFC), one cell per trail byte
// (0x40 to 0x7E, then 0x80 to 0xFC), and the closing zero of the literal it is written as.
extern const char16_t kDoubleBytes[60][189];

// Codes that read as a character Windows writes with another code (the NEC and IBM duplicates): read, never
// written.
extern const std::span<const uint16_t> kDecodeOnly;

// Characters with no code of their own that Windows writes as the code of a similar one ("¥" as "\", "à" as
// "a"). Nothing reads back as them.
struct BestFit {
  char16_t unicode;
  uint16_t code;
};
extern const std::span<const BestFit> kBestFit;

}  // namespace tovir::cp932_table
