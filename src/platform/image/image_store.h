#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>

#include "platform/image/picture.h"

namespace kadrex {

// Colour value of a pixel: red in bits 0-7, green 8-15, blue 16-23.
using Colour = std::uint32_t;
inline constexpr Colour kOutsidePicture = 0xFFFFFFFF;

// The program's pictures, addressed by number. A number that holds no picture has
// width and height 0; making a picture under a number in use replaces the old one.
class ImageStore {
 public:
  // Loads a BMP, PNG, JPEG or icon file; a failed load leaves the number empty.
  bool LoadFile(int number, const std::string& path);
  // LoadFile followed by Resize, in one streaming pass where the format allows, so
  // that a large photo is never held at full size. Same pixels as the two steps.
  bool LoadFileResized(int number, const std::string& path, int width, int height);
  // Decodes a picture held in memory, reading at most bound bytes of the block.
  bool DecodeMemory(int number, std::span<const std::uint8_t> block, std::size_t bound);

  // A black picture; a size of 0 leaves the number empty, as after a failed load.
  bool CreateBlack(int number, int width, int height);
  // Copying an empty number, or a number onto itself, changes nothing.
  void Copy(int from, int to);
  // Area-averaging resize in place; the same size changes nothing; a width or height
  // of 0 or less is refused and the picture stays as it was.
  bool Resize(int number, int width, int height);
  // Cuts a rectangle out of one number into another; a rectangle without area or not
  // wholly inside the picture fails and makes nothing.
  bool Cut(int from, int to, int x, int y, int width, int height);
  // An unfilled one-pixel outline whose outer edge is the rectangle, clipped to the picture.
  void DrawOutline(int number, int x, int y, int width, int height, Colour colour);
  // The pixel as a colour value; kOutsidePicture outside the picture.
  Colour Pixel(int number, int x, int y) const;

  // Saves, replacing an existing file; false when nothing could be written.
  bool SaveBmp(int number, const std::string& path) const;
  bool SaveJpeg(int number, const std::string& path, int qualityValue) const;
  bool SavePng(int number, const std::string& path) const;

  int Width(int number) const;
  int Height(int number) const;
  // The picture under a number, or nullptr when it holds none.
  const Picture* Find(int number) const;
  // Puts a picture that the platform made (the clipboard's) under a number.
  void Put(int number, Picture&& picture);

 private:
  // Puts the picture under the number, or empties it; whether a picture is there now.
  bool Keep(int number, Picture&& picture);

  std::map<int, Picture> pictures_;
};

}  // namespace kadrex
