// cp932-table: asks Windows's own code page 932 conversions about every CP932 code and every UTF-16 unit, and
// writes what they answer as C++ source: the table both builds convert with. A Windows program (run under
// Wine by scripts/cp932-table); it writes the file named by its one argument.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT kCp932 = 932;
constexpr unsigned kNone = 0xFFFF;

bool IsTrail(unsigned t) {
  return (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
}

std::string Utf8(wchar_t c) {
  char out[8];
  int n = WideCharToMultiByte(CP_UTF8, 0, &c, 1, out, sizeof out, nullptr, nullptr);
  return std::string(out, static_cast<size_t>(n > 0 ? n : 0));
}

std::string Hex(unsigned value, int digits) {
  char out[16];
  std::snprintf(out, sizeof out, "0x%0*X", digits, value);
  return out;
}

// A cell of a row literal: the character itself where a reader can see it, else its escape.
std::string Cell(unsigned u) {
  bool hidden = u == kNone || u < 0xA0 || (u >= 0xE000 && u <= 0xF8FF) || u == 0x3000;
  if (!hidden) return Utf8(static_cast<wchar_t>(u));
  char out[16];
  std::snprintf(out, sizeof out, "\\u%04X", u);
  return out;
}

int Fail(const char* what) {
  std::fprintf(stderr, "cp932-table: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: cp932-table OUTPUT.cpp");

  // Single bytes: every byte that is not a lead byte stands for one character. 0xA0 and 0xFD to 0xFF are
  // refused when invalid characters are asked to fail, yet read and written as U+F8F0 to U+F8F3 otherwise:
  // they are taken as they are read.
  std::vector<unsigned> leads;
  std::map<unsigned, unsigned> decode;  // code (a byte, or lead * 256 + trail) -> UTF-16 unit
  unsigned singles[256];
  for (unsigned b = 0; b < 256; ++b) {
    singles[b] = kNone;
    if (IsDBCSLeadByteEx(kCp932, static_cast<BYTE>(b))) {
      leads.push_back(b);
      continue;
    }
    char c = static_cast<char>(b);
    wchar_t w[4];
    if (MultiByteToWideChar(kCp932, 0, &c, 1, w, 4) != 1)
      return Fail("a single byte does not read as one unit");
    singles[b] = w[0];
    decode[b] = w[0];
  }
  if (leads.size() != 60) return Fail("code page 932 does not have 60 lead bytes");

  // Double bytes: only what converts under MB_ERR_INVALID_CHARS is assigned; the rest reads as the code
  // page's default character.
  std::vector<std::vector<unsigned>> rows;
  for (unsigned lead : leads) {
    std::vector<unsigned> row;
    for (unsigned t = 0x40; t <= 0xFC; ++t) {
      if (!IsTrail(t)) continue;
      char c[2] = {static_cast<char>(lead), static_cast<char>(t)};
      wchar_t w[4];
      unsigned u = kNone;
      if (MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, c, 2, w, 4) == 1 && w[0] != kNone) u = w[0];
      row.push_back(u);
      if (u != kNone) decode[lead * 256 + t] = u;
    }
    rows.push_back(row);
  }

  // Every UTF-16 unit the other way: the code Windows writes for it, unless it writes the default character.
  std::map<unsigned, unsigned> encode;
  for (unsigned u = 0; u < 0x10000; ++u) {
    if (u >= 0xD800 && u <= 0xDFFF) continue;
    wchar_t w = static_cast<wchar_t>(u);
    char c[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(kCp932, 0, &w, 1, c, sizeof c, nullptr, &usedDefault);
    if (usedDefault || n < 1 || n > 2) continue;
    unsigned code = n == 1 ? static_cast<unsigned char>(c[0])
                           : static_cast<unsigned char>(c[0]) * 256u + static_cast<unsigned char>(c[1]);
    encode[u] = code;
  }

  // Codes that read as a character Windows writes with another code, and characters it writes with the code
  // of a similar one.
  std::vector<unsigned> decodeOnly;
  for (auto [code, u] : decode) {
    auto e = encode.find(u);
    if (e == encode.end()) return Fail("a character that is read is not written back");
    auto back = decode.find(e->second);
    if (back == decode.end() || back->second != u) return Fail("a character is written as a code of another");
    if (e->second != code) decodeOnly.push_back(code);
  }
  std::vector<std::pair<unsigned, unsigned>> bestFit;
  for (auto [u, code] : encode) {
    auto d = decode.find(code);
    if (d == decode.end()) return Fail("a character is written as a code that is not read");
    if (d->second != u) bestFit.emplace_back(u, code);
  }

  std::string out;
  out +=
      "// Microsoft's code page 932, as Windows's own conversions give it: written by scripts/cp932-table, "
      "which\n"
      "// asks them about every code. Do not edit; run the script again.\n"
      "// clang-format off\n"
      "#include \"base/cp932_table.h\"\n\n"
      "namespace tovir::cp932_table {\n\n"
      "const char16_t kSingleBytes[256] = {\n";
  for (unsigned b = 0; b < 256; b += 8) {
    out += "   ";
    for (unsigned k = b; k < b + 8; ++k) out += " " + Hex(singles[k], 4) + ",";
    out += "  // " + Hex(b, 2) + "\n";
  }
  out += "};\n\n// One line per JIS row: trail bytes 0x40 to 0x9E (without 0x7F), then 0x9F to 0xFC.\n";
  out += "const char16_t kDoubleBytes[60][189] = {\n";
  for (size_t r = 0; r < rows.size(); ++r) {
    for (int half = 0; half < 2; ++half) {
      out += "    u\"";
      for (size_t k = half * 94u; k < half * 94u + 94; ++k) out += Cell(rows[r][k]);
      out += "\"";
      if (half == 1) out += ",";
      out += half == 0 ? "  // " + Hex(leads[r], 2) + "\n" : "\n";
    }
  }
  out += "};\n\nstatic constexpr uint16_t kDecodeOnlyCodes[] = {\n";
  for (size_t i = 0; i < decodeOnly.size(); i += 10) {
    out += "   ";
    for (size_t k = i; k < i + 10 && k < decodeOnly.size(); ++k) out += " " + Hex(decodeOnly[k], 4) + ",";
    out += "\n";
  }
  out += "};\nconst std::span<const uint16_t> kDecodeOnly(kDecodeOnlyCodes);\n\n";
  out += "static constexpr BestFit kBestFits[] = {\n";
  for (size_t i = 0; i < bestFit.size(); i += 5) {
    out += "   ";
    for (size_t k = i; k < i + 5 && k < bestFit.size(); ++k) {
      out += " {" + Hex(bestFit[k].first, 4) + ", " +
             Hex(bestFit[k].second, bestFit[k].second > 0xFF ? 4 : 2) + "},";
    }
    out += "\n";
  }
  out += "};\nconst std::span<const BestFit> kBestFit(kBestFits);\n\n}  // namespace tovir::cp932_table\n";

  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) return Fail("cannot write the output file");
  bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) return Fail("cannot write the output file");
  std::printf("%zu single bytes, %zu double-byte codes, %zu read only, %zu best fits\n", 256 - leads.size(),
              decode.size() - (256 - leads.size()), decodeOnly.size(), bestFit.size());
  return 0;
}
