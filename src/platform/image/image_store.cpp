#include "platform/image/image_store.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/encode.h"
#include "platform/image/file_bytes.h"
#include "platform/image/resample.h"

namespace kadrex {

namespace {

// The picture a collecting sink (whole or resized) makes of the data; empty on failure.
template <typename Collector>
Picture Decoded(std::span<const std::uint8_t> data, Collector&& collector) {
  if (!DecodePicture(data, collector)) return Picture{};
  return std::move(collector).Result();
}

template <typename Encoder>
bool SaveEncoded(const Picture* picture, const std::string& path, Encoder encode) {
  std::vector<std::uint8_t> bytes;
  return picture != nullptr && encode(*picture, bytes) && WriteFileBytes(path, bytes);
}

}  // namespace

bool ImageStore::LoadFile(int number, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  return Keep(number, ReadFileBytes(path, bytes) ? Decoded(bytes, PictureSink{}) : Picture{});
}

bool ImageStore::LoadFileResized(int number, const std::string& path, int width, int height) {
  if (!ResizeAllowed(width, height)) return LoadFile(number, path);
  std::vector<std::uint8_t> bytes;
  return Keep(number, ReadFileBytes(path, bytes) ? Decoded(bytes, AreaResampler(width, height))
                                                 : Picture{});
}

bool ImageStore::DecodeMemory(int number, std::span<const std::uint8_t> block, std::size_t bound) {
  return Keep(number, Decoded(block.first(std::min(bound, block.size())), PictureSink{}));
}

bool ImageStore::CreateBlack(int number, int width, int height) {
  pictures_.erase(number);
  Picture picture;
  if (!MakeBlackPicture(picture, width, height)) return false;
  pictures_[number] = std::move(picture);
  return true;
}

void ImageStore::Copy(int from, int to) {
  const Picture* source = Find(from);
  if (source == nullptr || from == to) return;
  pictures_[to] = *source;
}

bool ImageStore::Resize(int number, int width, int height) {
  auto found = pictures_.find(number);
  return found != pictures_.end() && ResizePicture(found->second, width, height);
}

bool ImageStore::Cut(int from, int to, int x, int y, int width, int height) {
  const Picture* source = Find(from);
  if (source == nullptr || width <= 0 || height <= 0 || x < 0 || y < 0 ||
      width > source->width - x || height > source->height - y) {
    return false;
  }
  Picture cut;
  MakeBlackPicture(cut, width, height);
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* start = source->Row(y + row) + std::size_t{3} * x;
    std::copy(start, start + cut.RowBytes(), cut.Row(row));
  }
  pictures_[to] = std::move(cut);
  return true;
}

void ImageStore::DrawOutline(int number, int x, int y, int width, int height, Colour colour) {
  auto found = pictures_.find(number);
  if (found == pictures_.end() || width <= 0 || height <= 0) return;
  Picture& picture = found->second;
  const std::int64_t right = std::int64_t{x} + width - 1;
  const std::int64_t bottom = std::int64_t{y} + height - 1;
  auto plot = [&](std::int64_t px, std::int64_t py) {
    if (px < 0 || py < 0 || px >= picture.width || py >= picture.height) return;
    std::uint8_t* pixel = picture.Row(static_cast<int>(py)) + 3 * px;
    pixel[0] = colour & 0xFF;
    pixel[1] = (colour >> 8) & 0xFF;
    pixel[2] = (colour >> 16) & 0xFF;
  };
  // Only the visible stretch of each side is walked, so a huge frame costs nothing.
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t lastColumn = std::min<std::int64_t>(right, picture.width - 1);
  for (std::int64_t px = left; px <= lastColumn; ++px) {
    plot(px, y);
    plot(px, bottom);
  }
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t lastRow = std::min<std::int64_t>(bottom, picture.height - 1);
  for (std::int64_t py = top; py <= lastRow; ++py) {
    plot(x, py);
    plot(right, py);
  }
}

Colour ImageStore::Pixel(int number, int x, int y) const {
  const Picture* picture = Find(number);
  if (picture == nullptr || x < 0 || y < 0 || x >= picture->width || y >= picture->height) {
    return kOutsidePicture;
  }
  const std::uint8_t* pixel = picture->Row(y) + std::size_t{3} * x;
  return Colour{pixel[0]} | Colour{pixel[1]} << 8 | Colour{pixel[2]} << 16;
}

bool ImageStore::SaveBmp(int number, const std::string& path) const {
  return SaveEncoded(Find(number), path, EncodeBmp);
}

bool ImageStore::SaveJpeg(int number, const std::string& path, int qualityValue) const {
  return SaveEncoded(Find(number), path, [qualityValue](const Picture& picture, auto& out) {
    return EncodeJpeg(picture, qualityValue, out);
  });
}

bool ImageStore::SavePng(int number, const std::string& path) const {
  return SaveEncoded(Find(number), path, EncodePng);
}

int ImageStore::Width(int number) const {
  const Picture* picture = Find(number);
  return picture ? picture->width : 0;
}

int ImageStore::Height(int number) const {
  const Picture* picture = Find(number);
  return picture ? picture->height : 0;
}

const Picture* ImageStore::Find(int number) const {
  auto found = pictures_.find(number);
  return found == pictures_.end() || found->second.Empty() ? nullptr : &found->second;
}

void ImageStore::Put(int number, Picture&& picture) {
  pictures_.erase(number);
  if (!picture.Empty()) pictures_[number] = std::move(picture);
}

bool ImageStore::Keep(int number, Picture&& picture) {
  Put(number, std::move(picture));
  return Find(number) != nullptr;
}

}  // namespace kadrex
