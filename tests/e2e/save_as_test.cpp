#include <gtest/gtest.h>

#include <filesystem>

#include "kadrex_scenario.h"

namespace kadrex::e2e {
namespace {

constexpr std::string_view kSaveTitle = "Введите имя файла";

class SaveAs : public KadrexScenario {
 protected:
  void SetUp() override {
    folder = ScenarioFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    WriteFile(HandOffFile(), MakePicture(folder + "\\source.bmp", 640, 480));
    kadrex = StartAndWait(folder);
    ASSERT_NE(kadrex.converter, nullptr);
    editor = OpenEditor(kadrex, nullptr, "640x480 (100 %)");
    ASSERT_NE(editor, nullptr);
  }
  // Types the size, chooses a save-as item and answers the save dialog with a name.
  void Save(int item, const std::string& width, const std::string& height,
            const std::string& name) {
    ASSERT_TRUE(TypeText(FindControl(editor, kWidthField), width));
    ASSERT_TRUE(TypeText(FindControl(editor, kHeightField), height));
    ASSERT_TRUE(ChooseMenuItem(editor, item));
    ASSERT_TRUE(AnswerFileDialog(kadrex.process, kSaveTitle, {name}));
  }
  void Settle() { kadrex::e2e::Settle(kadrex); }
  std::string In(const std::string& name) const { return folder + "\\" + name; }

  std::string folder;
  HWND editor = nullptr;
};

TEST_F(SaveAs, MenuOpensBelowTheButton) {
  const RECT window = WindowRect(editor);
  ASSERT_TRUE(ClickButton(FindControl(editor, kSaveAsButton)));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu);
  }));
  EXPECT_TRUE(SaveScreenshot("save-as-menu"));
  const RECT place = WindowRect(menu);
  EXPECT_EQ(place.left, window.left + 1057);
  EXPECT_EQ(place.top, window.top + 846);
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(editor, WM_CANCELMODE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
}

TEST_F(SaveAs, EachItemWritesItsFileAtTheTypedSize) {
  const std::tuple<int, const char*> items[] = {{6, ".jpg"}, {7, ".png"}, {8, ".bmp"}};
  for (const auto& [item, extension] : items) {
    Save(item, "40", "30", In("out"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(In(std::string("out") + extension)); }));
    Settle();
    ImageStore saved = LoadedPicture(In(std::string("out") + extension));
    EXPECT_EQ(saved.Width(1), 40) << extension;
    EXPECT_EQ(saved.Height(1), 30) << extension;
  }
  // The name keeps what it ends with: ".jpg" then ".jpg" again.
  Save(6, "640", "480", In("photo.jpg"));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(In("photo.jpg.jpg")); }));
}

TEST_F(SaveAs, IconOfTheWholePictureWithoutATemporaryFileLeft) {
  // A picture of two halves, red and blue, opened in the editor.
  Picture halves;
  MakeBlackPicture(halves, 640, 480);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) halves.Row(y)[3 * x + (x < 320 ? 0 : 2)] = 255;
  }
  ImageStore store;
  store.Put(1, std::move(halves));
  store.SaveBmp(1, In("halves.bmp"));
  ASSERT_TRUE(ClickButton(FindControl(editor, kOpenFileButton)));
  ASSERT_TRUE(
      AnswerFileDialogIn(kadrex.process, "Выберите файл изображения", folder, {"halves.bmp"}));
  Settle();

  WriteFile(In("icontemp.bmp"), "mine");
  Save(9, "32", "32", In("icon"));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(In("icon.ico")); }));
  Settle();
  EXPECT_EQ(ReadFile(In("icon.ico")).size(), 2238u);
  EXPECT_EQ(ReadFile(In("icontemp.bmp")), "mine");
  ImageStore icon = LoadedPicture(In("icon.ico"));
  ASSERT_EQ(icon.Width(1), 32);
  EXPECT_EQ(icon.Pixel(1, 0, 0), 0x0000FFu);
  EXPECT_EQ(icon.Pixel(1, 15, 31), 0x0000FFu);
  EXPECT_EQ(icon.Pixel(1, 16, 0), 0xFF0000u);
  EXPECT_EQ(icon.Pixel(1, 31, 31), 0xFF0000u);
  Save(9, "32", "32", In("second"));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(In("second.ico")); }));
  Settle();
  EXPECT_FALSE(FileExists(In("secondtemp.bmp")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Widen(folder)),
                          std::filesystem::directory_iterator()),
            5);  // source, halves, icon, the user's icontemp.bmp, second
}

TEST_F(SaveAs, CancelWritesNothingButTheNextCropReadsTheNewSize) {
  // A frame (0, 0, 20, 10) drawn with the mouse, then a cancelled save at 30 x 20.
  const HWND view = FindControl(editor, kPreviewView);
  PostMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
  PostMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 10));
  PostMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  Settle();
  ASSERT_TRUE(TypeText(FindControl(editor, kWidthField), "30"));
  ASSERT_TRUE(TypeText(FindControl(editor, kHeightField), "20"));
  ASSERT_TRUE(ChooseMenuItem(editor, 8));
  const HWND dialog = WaitForDialog(kadrex.process, kSaveTitle);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntilClosed(dialog));
  Settle();
  ASSERT_TRUE(ClickButton(FindControl(editor, kCropButton)));
  EXPECT_TRUE(WaitUntil(
      [&] { return ControlText(FindControl(editor, kPictureSizeLabel)) == "20x10 (100 %)"; }));
  Settle();
  // Cut from the picture at 30 x 20: column 18 is bright red there, dark in the original.
  const std::optional<COLORREF> pixel = ScreenPixel(FindControl(editor, kPreviewView), 18, 5);
  ASSERT_TRUE(pixel);
  EXPECT_GT(GetRValue(*pixel), 100);
  EXPECT_EQ(ReadFile(In("never.bmp")), "");
}

TEST_F(SaveAs, ReplacingAnExistingFileAsksFirst) {
  WriteFile(In("exists.png"), "old");
  Save(7, "64", "48", In("exists"));
  const std::optional<std::string> question =
      CloseMessageBox(kadrex.process, "Информация", 10s, IDNO);
  ASSERT_TRUE(question);
  EXPECT_NE(question->find("exists.png"), std::string::npos);
  Settle();
  EXPECT_EQ(ReadFile(In("exists.png")), "old");
  Save(7, "64", "48", In("exists"));
  ASSERT_TRUE(CloseMessageBox(kadrex.process, "Информация", 10s, IDYES));
  EXPECT_TRUE(WaitUntil([&] { return LoadedPicture(In("exists.png")).Width(1) == 64; }));
}

}  // namespace
}  // namespace kadrex::e2e
