#include <filesystem>
#include <system_error>
#include <utility>

#include "driver.h"
#include "platform/image/image_store.h"
#include "platform/image/picture.h"

namespace kadrex::e2e {

namespace {

// The virtual screen's pixels as a top-down 24-bit DIB copied into a picture.
bool CaptureScreen(Picture& picture) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (!MakeBlackPicture(picture, width, height)) return false;

  const WindowDc screen(nullptr);
  const MemoryDc memory(CreateCompatibleDC(screen.Get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const Bitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (screen.Get() == nullptr || memory == nullptr || bitmap == nullptr) return false;
  {
    const Selection selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.Get(), left, top, SRCCOPY | CAPTUREBLT)) {
      return false;
    }
    GdiFlush();
  }
  const std::size_t stride = (picture.RowBytes() + 3) / 4 * 4;
  for (int y = 0; y < height; ++y) {
    const auto* bgr = static_cast<const std::uint8_t*>(bits) + stride * y;
    std::uint8_t* rgb = picture.Row(y);
    for (int x = 0; x < width; ++x, bgr += 3, rgb += 3) {
      rgb[0] = bgr[2];
      rgb[1] = bgr[1];
      rgb[2] = bgr[0];
    }
  }
  return true;
}

}  // namespace

bool SaveScreenshot(std::string_view scenario) {
  Picture screen;
  if (!CaptureScreen(screen)) return false;
  const std::filesystem::path folder(Widen(Settings().screenshots));
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  ImageStore store;
  constexpr int kScreenNumber = 1;
  store.Put(kScreenNumber, std::move(screen));
  return store.SavePng(kScreenNumber, Narrow((folder / Widen(scenario)).wstring() + L".png"));
}

}  // namespace kadrex::e2e
