// clang-format off
#include "kadrex_scenario.h"
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

namespace kadrex::e2e {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

class Editor : public KadrexScenario {
 protected:
  void Start(const std::string& scenario) {
    folder = ScenarioFolder(scenario);
    DeleteFileW(Widen(HandOffFile()).c_str());
    kadrex = StartAndWait(folder);
    ASSERT_NE(kadrex.converter, nullptr);
  }
  void OpenEditor(std::string_view label = {}) {
    editor = kadrex::e2e::OpenEditor(kadrex, editor, label);
    ASSERT_NE(editor, nullptr) << label;
  }
  // Control 10 with the picture handed over in the hand-off file.
  void OpenOn(int width, int height) {
    const std::string picture =
        MakePicture(folder + "\\p" + std::to_string(width) + "x" + std::to_string(height) + ".bmp",
                    width, height);
    WriteFile(HandOffFile(), picture);
    OpenEditor();
  }
  void Settle() { kadrex::e2e::Settle(kadrex); }
  void Press(int id) {
    ASSERT_TRUE(ClickButton(Control(id)));
    Settle();
  }
  void Slide(int id, int position) {
    ASSERT_TRUE(MoveTrackBar(Control(id), position));
    Settle();
  }
  // Waits for a control's text to become the expected one, then checks it.
  void ExpectText(int id, const std::string& expected) {
    WaitUntil([&] { return Text(id) == expected; }, 5s);
    EXPECT_EQ(Text(id), expected);
  }
  HWND Control(int id) { return FindControl(editor, id); }
  std::string Text(int id) { return ControlText(Control(id)).value_or("?"); }
  // A drag with the left button on the preview, as the mouse sends it.
  void Drag(POINT from, POINT to, RECT* clipDuringDrag = nullptr) {
    const HWND view = Control(kPreviewView);
    PostMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    PostMessageW(view, WM_MOUSEMOVE, MK_LBUTTON,
                 MAKELPARAM((from.x + to.x) / 2, (from.y + to.y) / 2));
    PostMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    Settle();
    if (clipDuringDrag != nullptr) GetClipCursor(clipDuringDrag);
    PostMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    Settle();
  }

  std::string folder;
  HWND editor = nullptr;
};

TEST_F(Editor, OpensOnTheBuiltInPictureWithItsFirstZoom) {
  Start("editor-first");
  OpenEditor();
  EXPECT_EQ(ClientRect(editor).right, 1245);
  EXPECT_EQ(ClientRect(editor).bottom, 936);
  const RECT width = PlaceInParent(Control(kWidthField));
  EXPECT_EQ(width.left, 15);
  EXPECT_EQ(width.top, 864);
  EXPECT_EQ(width.bottom - width.top, 29);
  ExpectText(kPictureSizeLabel, "300x150 (100 %)");
  ExpectText(kWidthField, "300");
  ExpectText(kFrameSizeLabel, "0x0");
  EXPECT_EQ(TrackBarPosition(Control(kZoomBar)), 100);
  const RECT view = ClientRect(Control(kPreviewView));
  EXPECT_EQ(view.right, 300);
  EXPECT_EQ(view.bottom, 150);
  EXPECT_TRUE(SaveScreenshot("editor-first"));
}

TEST_F(Editor, ZoomFitAndTheRefusedZoom) {
  Start("editor-zoom");
  OpenOn(640, 480);
  Slide(kZoomBar, 150);
  ExpectText(kPictureSizeLabel, "960x720 (150 %)");
  EXPECT_EQ(ClientRect(Control(kPreviewView)).right, 960);
  Press(kTakeShownSizeButton);
  ExpectText(kWidthField, "960");
  ExpectText(kHeightField, "720");
  Press(kResetButton);
  ExpectText(kPictureSizeLabel, "640x480 (100 %)");
  ExpectText(kWidthField, "640");
  for (const auto& [width, height, label] :
       {std::tuple{1216, 10, "608x5 (50 %)"}, {1000, 745, "500x372 (50 %)"}}) {
    OpenOn(width, height);
    ExpectText(kPictureSizeLabel, label);
  }
  // 4000 wide, shown halved: 99 % on the full scale is 3960 pixels, 100 % is refused.
  OpenOn(4000, 100);
  Slide(kZoomBar, 99);
  ExpectText(kPictureSizeLabel, "3960x99 (99 %)");
  Slide(kZoomBar, 100);
  ExpectText(kPictureSizeLabel, "3960x99 (99 %)");
  EXPECT_EQ(TrackBarPosition(Control(kZoomBar)), 100);
}

TEST_F(Editor, PictureTooLargeToZoomBlocksTheButtonsUntilASmallerOne) {
  Start("editor-blocked");
  OpenOn(9000, 100);
  ExpectText(kPictureSizeLabel, "4500x50 (50 %)");
  Press(kTakeShownSizeButton);
  ExpectText(kWidthField, "9000");
  OpenOn(64, 32);
  ExpectText(kPictureSizeLabel, "64x32 (100 %)");
  Slide(kZoomBar, 200);
  ExpectText(kPictureSizeLabel, "128x64 (200 %)");
}

TEST_F(Editor, OpenFileAndTheClipboard) {
  Start("editor-sources");
  OpenEditor();
  MakePicture(folder + "\\other.png", 200, 100, Format::Png);
  ASSERT_TRUE(ClickButton(Control(kOpenFileButton)));
  ASSERT_TRUE(
      AnswerFileDialogIn(kadrex.process, "Выберите файл изображения", folder, {"other.png"}));
  ExpectText(kPictureSizeLabel, "200x100 (100 %)");
  ExpectText(kWidthField, "200");

  // A 70 x 50 red picture put on the clipboard as a device-independent bitmap.
  const int width = 70, height = 50;
  const std::size_t rowBytes = (width * 3 + 3) & ~3;
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + rowBytes * height);
  auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
  *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  auto* pixels = reinterpret_cast<std::uint8_t*>(header + 1);
  std::fill(pixels, pixels + rowBytes * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * rowBytes + 3 * x + 2] = 255;  // blue, green, red
  }
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_DIB, memory);
  CloseClipboard();
  Press(kFromClipboardButton);
  ExpectText(kPictureSizeLabel, "70x50 (100 %)");
  EXPECT_EQ(ScreenPixel(Control(kPreviewView), 35, 25), kRed);
  EXPECT_FALSE(FileExists(TempFolder() + "jopa.bmp"));
}

TEST_F(Editor, FrameButtonsColoursAndCrop) {
  Start("editor-frame");
  OpenOn(640, 480);
  // From the cleared frame only the bottom and right edges grow.
  for (const int button : {11, 12, 13, 15, 16, 17}) Press(button);
  ExpectText(kFrameSizeLabel, "0x0");
  Press(14);
  Press(18);
  ExpectText(kFrameSizeLabel, "1x1");
  const COLORREF colours[] = {RGB(0, 0, 0), kRed, RGB(0, 0, 255), RGB(255, 255, 255)};
  for (int position : {1, 2, 3, 0}) {
    Slide(kFrameColourBar, position);
    EXPECT_EQ(ScreenPixel(Control(kPreviewView), 0, 0), colours[position]) << position;
  }
  Slide(kFrameColourBar, 1);
  Drag({10, 20}, {110, 70});
  ExpectText(kFrameSizeLabel, "100x50");
  EXPECT_EQ(ScreenPixel(Control(kPreviewView), 10, 20), kRed);
  EXPECT_EQ(ScreenPixel(Control(kPreviewView), 109, 69), kRed);
  EXPECT_NE(ScreenPixel(Control(kPreviewView), 60, 45), kRed);
  EXPECT_TRUE(SaveScreenshot("editor-frame"));
  Press(kCropButton);
  ExpectText(kPictureSizeLabel, "100x50 (100 %)");
  ExpectText(kWidthField, "100");
  ExpectText(kHeightField, "50");
  ExpectText(kFrameSizeLabel, "0x0");
  EXPECT_EQ(ScreenPixel(Control(kPreviewView), 0, 0), kRed);
  EXPECT_EQ(ScreenPixel(Control(kPreviewView), 99, 49), kRed);
}

TEST_F(Editor, MouseSelectionConfinesTheCursorWhileDragging) {
  Start("editor-mouse");
  OpenOn(640, 480);
  RECT clip{};
  Drag({200, 150}, {50, 30}, &clip);
  ExpectText(kFrameSizeLabel, "150x120");
  RECT view = WindowRect(Control(kPreviewView));
  EXPECT_EQ(clip.left, view.left);
  EXPECT_EQ(clip.top, view.top);
  EXPECT_EQ(clip.right - clip.left, 640);
  EXPECT_EQ(clip.bottom - clip.top, 480);
  RECT after{};
  GetClipCursor(&after);
  EXPECT_EQ(after.right - after.left, GetSystemMetrics(SM_CXSCREEN));
  // A click and a drag ending on its own row set no frame.
  Drag({300, 300}, {300, 300});
  Drag({300, 300}, {400, 300});
  ExpectText(kFrameSizeLabel, "150x120");
}

}  // namespace
}  // namespace kadrex::e2e
