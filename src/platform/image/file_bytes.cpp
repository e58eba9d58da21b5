#include "platform/image/file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace kadrex {

namespace {

// A picture file larger than this is not read: no accepted picture needs more.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;
constexpr std::size_t kReadChunk = std::size_t{1} << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

#ifdef _WIN32
// UTF-8 to UTF-16 for _wfopen; a byte that starts no valid sequence becomes U+FFFD.
std::wstring Widen(const std::string& text) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = text[i];
    const int extra = lead < 0x80             ? 0
                      : (lead & 0xE0) == 0xC0 ? 1
                      : (lead & 0xF0) == 0xE0 ? 2
                      : (lead & 0xF8) == 0xF0 ? 3
                                              : -1;
    char32_t code = lead & (0x7F >> (extra + (extra > 0)));
    bool valid = extra >= 0 && i + extra < text.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const unsigned char next = text[i + k];
      valid = (next & 0xC0) == 0x80;
      code = code << 6 | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF) {
      wide.push_back(0xFFFD);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      wide.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
      wide.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
      wide.push_back(static_cast<wchar_t>(code));
    }
    i += extra + 1;
  }
  return wide;
}

FileHandle Open(const std::string& path, bool forWriting) {
  return FileHandle(_wfopen(Widen(path).c_str(), forWriting ? L"wb" : L"rb"));
}
#else
FileHandle Open(const std::string& path, bool forWriting) {
  return FileHandle(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
}
#endif

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out) {
  out.clear();
  FileHandle file = Open(path, false);
  if (!file) return false;
  std::size_t used = 0;
  for (;;) {
    if (used == out.size()) out.resize(used + kReadChunk);
    const std::size_t got = std::fread(out.data() + used, 1, out.size() - used, file.get());
    used += got;
    if (used > kMaxFileBytes || (got == 0 && std::ferror(file.get()))) {
      out.clear();
      return false;
    }
    if (got == 0) break;
  }
  out.resize(used);
  return true;
}

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  FileHandle file = Open(path, true);
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace kadrex
