#include "platform/win32/clipboard_picture.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/row_sink.h"

namespace kadrex::win32 {

namespace {

// A BMP file starts with "BM", the file's size at byte 2 and the pixels' offset at 10.
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kFileSizeAt = 2;
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kInfoHeaderBytes = 40;
// Three colour masks follow a 40-byte header with bit fields.
constexpr std::size_t kBitFieldMaskBytes = 12;
constexpr std::size_t kPaletteEntryBytes = 4;
constexpr std::uint32_t kLargestPalette = 256;

class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool Open() const { return open_; }

 private:
  bool open_;
};

class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;
  ~LockedMemory() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  std::span<const std::uint8_t> Bytes() const {
    if (data_ == nullptr) return {};
    return {static_cast<const std::uint8_t*>(data_), GlobalSize(memory_)};
  }

 private:
  HGLOBAL memory_;
  void* data_;
};

// Where the pixels start in the bitmap: after its header, the masks of a plain header
// with bit fields, and its palette. Zero when the header does not fit the block.
std::size_t PixelOffset(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderBytes) return 0;
  BITMAPINFOHEADER header;
  std::memcpy(&header, dib.data(), sizeof(header));
  if (header.biSize < kInfoHeaderBytes || header.biSize > dib.size()) return 0;
  std::size_t offset = header.biSize;
  if (header.biSize == kInfoHeaderBytes && header.biCompression == BI_BITFIELDS) {
    offset += kBitFieldMaskBytes;
  }
  std::uint32_t colours = header.biClrUsed;
  if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
  if (colours > kLargestPalette) return 0;
  offset += colours * kPaletteEntryBytes;
  return offset <= dib.size() ? offset : 0;
}

void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes[at++] = static_cast<std::uint8_t>(value >> shift);
}

}  // namespace

bool ReadClipboardPicture(HWND owner, Picture& picture) {
  const OpenClipboardScope clipboard(owner);
  if (!clipboard.Open()) return false;
  const HANDLE data = GetClipboardData(CF_DIB);
  if (data == nullptr) return false;
  const LockedMemory locked(static_cast<HGLOBAL>(data));
  const std::span<const std::uint8_t> dib = locked.Bytes();
  const std::size_t pixelOffset = PixelOffset(dib);
  if (pixelOffset == 0 || dib.size() > UINT32_MAX - kFileHeaderBytes) return false;

  std::vector<std::uint8_t> file(kFileHeaderBytes + dib.size());
  file[0] = 'B';
  file[1] = 'M';
  PutLe32(file, kFileSizeAt, static_cast<std::uint32_t>(file.size()));
  PutLe32(file, kPixelOffsetAt, static_cast<std::uint32_t>(kFileHeaderBytes + pixelOffset));
  std::memcpy(file.data() + kFileHeaderBytes, dib.data(), dib.size());

  PictureSink sink;
  if (!DecodeBmp(file, sink)) return false;
  Picture decoded = std::move(sink).Result();
  if (decoded.Empty()) return false;
  picture = std::move(decoded);
  return true;
}

}  // namespace kadrex::win32
