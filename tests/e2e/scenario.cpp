#include "scenario.h"

#include <fstream>
#include <iterator>

#include "platform/image/file_bytes.h"

namespace kadrex::e2e {

namespace {

// Time for a handler to finish after the message that started it was taken.
constexpr DWORD kHandlerTime = 150;

}  // namespace

RunningKadrex StartAndWait(const std::string& folder) {
  RunningKadrex kadrex{StartKadrex(folder)};
  if (!kadrex.process.Started()) return kadrex;
  kadrex.converter = WaitForWindow(kadrex.process, kConverterTitle);
  kadrex.process.WaitForIdle();
  return kadrex;
}

void Settle(const RunningKadrex& kadrex) {
  for (int i = 0; i < 2; ++i) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(kadrex.converter, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
  }
  Sleep(kHandlerTime);
}

HWND OpenEditor(const RunningKadrex& kadrex, HWND previous, std::string_view label) {
  if (!ClickButton(kadrex.Control(kEditorButton))) return nullptr;
  HWND editor = nullptr;
  const bool shown = WaitUntil([&] {
    editor = WaitForWindow(kadrex.process, kEditorTitle, 0ms);
    if (editor == nullptr || editor == previous) return false;
    const std::string shownLabel = ControlText(FindControl(editor, kPictureSizeLabel)).value_or("");
    return label.empty() ? !shownLabel.empty() : shownLabel == label;
  });
  if (!shown) return nullptr;
  Settle(kadrex);
  return editor;
}

std::string MakePicture(const std::string& path, int width, int height, Format format) {
  Picture picture;
  MakeBlackPicture(picture, width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = picture.Row(y) + 3 * x;
      pixel[0] = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));
      pixel[1] = static_cast<std::uint8_t>(y * 255 / std::max(1, height - 1));
      pixel[2] = 128;
    }
  }
  ImageStore store;
  store.Put(1, std::move(picture));
  switch (format) {
    case Format::Bmp:
      store.SaveBmp(1, path);
      break;
    case Format::Png:
      store.SavePng(1, path);
      break;
    case Format::Jpeg:
      store.SaveJpeg(1, path, 9);
      break;
  }
  return path;
}

ImageStore LoadedPicture(const std::string& path) {
  ImageStore store;
  store.LoadFile(1, path);
  return store;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  ReadFileBytes(path, bytes);
  return std::string(bytes.begin(), bytes.end());
}

void WriteFile(const std::string& path, const std::string& bytes) {
  WriteFileBytes(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

std::string TempFolder() {
  wchar_t shortPath[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, shortPath);
  wchar_t longPath[32768];
  const DWORD longLength = GetLongPathNameW(shortPath, longPath, 32768);
  std::string folder =
      longLength > 0 ? Narrow({longPath, longLength}) : Narrow({shortPath, length});
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string HandOffFile() { return TempFolder() + "KADREX.trtr"; }

RECT PlaceInParent(HWND control) {
  RECT place = WindowRect(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

}  // namespace kadrex::e2e
