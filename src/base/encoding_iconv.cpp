// CP932 conversions on POSIX, through glibc's iconv.
#include <errno.h>
#include <iconv.h>

#include <bit>

#include "base/encoding.h"

namespace tovir::encoding_detail {

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One converter per direction and thread, opened on first use: iconv_open is far too slow to pay per name.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`, appending to `out`; false on any byte that does not convert.
  bool Run(const char* in, size_t inBytes, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    size_t srcLeft = inBytes;
    char buffer[1024];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
      // glibc counts characters it could only approximate; an exact conversion has none.
      if (rc != static_cast<size_t>(-1) && rc != 0) return false;
    }
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1)) return false;
    out.append(buffer, static_cast<size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool DecodeCp932(std::string_view in, std::u16string& out) {
  thread_local Converter decoder(kUtf16, "CP932");
  std::string bytes;
  if (!decoder.Run(in.data(), in.size(), bytes)) return false;
  size_t base = out.size();
  out.resize(base + bytes.size() / 2);
  for (size_t i = 0; i < bytes.size() / 2; ++i) {
    out[base + i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    if constexpr (std::endian::native == std::endian::big) {
      out[base + i] = static_cast<char16_t>((out[base + i] >> 8) | (out[base + i] << 8));
    }
  }
  return true;
}

bool EncodeCp932(std::u16string_view in, std::string& out) {
  thread_local Converter encoder("CP932", kUtf16);
  return encoder.Run(reinterpret_cast<const char*>(in.data()), in.size() * sizeof(char16_t), out);
}

}  // namespace tovir::encoding_detail
