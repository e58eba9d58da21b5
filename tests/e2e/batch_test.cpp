#include <gtest/gtest.h>

#include "kadrex_scenario.h"

namespace kadrex::e2e {
namespace {

constexpr std::string_view kChooseTitle = "Выбрать файл(ы)";
constexpr std::string_view kInformation = "Информация";

class Batch : public KadrexScenario {
 protected:
  void Start(const std::string& scenario) {
    folder = ScenarioFolder(scenario);
    DeleteFileW(Widen(HandOffFile()).c_str());
  }
  void Launch() {
    kadrex = StartAndWait(folder);
    ASSERT_NE(kadrex.converter, nullptr);
  }
  // Menu item 1, answered with names of the program's current folder.
  void Choose(const std::vector<std::string>& names) {
    ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kOpenFilesItem));
    ASSERT_TRUE(AnswerFileDialogIn(kadrex.process, kChooseTitle, folder, names));
  }
  // Presses "ОК" and closes "Все готово".
  void RunAndClose() {
    ASSERT_TRUE(ClickButton(kadrex.Control(kOkButton)));
    EXPECT_EQ(CloseMessageBox(kadrex.process, kInformation, 60s), "Все готово");
  }
  std::string In(const std::string& name) const { return folder + "\\" + name; }

  std::string folder;
};

TEST_F(Batch, ChosenFilesInACyrillicFolderInEachFormat) {
  Start("batch-formats");
  folder = In("Фото отпуска");
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  MakePicture(In("море.jpg"), 200, 150, Format::Jpeg);
  MakePicture(In("b.png"), 120, 80, Format::Png);
  Launch();
  Choose({"море.jpg", "b.png"});
  ASSERT_TRUE(TypeText(kadrex.Control(kBatchWidthField), "64"));
  ASSERT_TRUE(TypeText(kadrex.Control(kBatchHeightField), "40"));
  for (const auto& [position, extension] : {std::pair{1, "bmp"}, {2, "jpg"}, {3, "png"}}) {
    SCOPED_TRACE(extension);
    ASSERT_TRUE(MoveTrackBar(kadrex.Control(kFormatBar), position));
    RunAndClose();
    for (const std::string name : {"море.", "b."}) {
      ImageStore output = LoadedPicture(In("Encoded\\" + name + extension));
      EXPECT_EQ(output.Width(1), 64);
      EXPECT_EQ(output.Height(1), 40);
      // The gradient runs left to right in red: the left column dark, the right bright.
      EXPECT_LT(output.Pixel(1, 0, 20) & 0xFF, 40u);
      EXPECT_GT(output.Pixel(1, 63, 20) & 0xFF, 215u);
    }
  }
  EXPECT_TRUE(SaveScreenshot("batch-formats"));
}

TEST_F(Batch, QualityAndTypedWidths) {
  Start("batch-quality");
  MakePicture(In("photo.bmp"), 300, 200);
  Launch();
  Choose({"photo.bmp"});
  ASSERT_TRUE(MoveTrackBar(kadrex.Control(kFormatBar), 2));
  ASSERT_TRUE(TypeText(kadrex.Control(kQualityField), "10"));
  RunAndClose();
  const std::string best = ReadFile(In("Encoded\\photo.jpg"));
  ASSERT_TRUE(TypeText(kadrex.Control(kQualityField), "1"));
  RunAndClose();
  const std::string worst = ReadFile(In("Encoded\\photo.jpg"));
  EXPECT_LT(worst.size(), best.size());
  // Quality 1 gives 16-bit quantisation tables: the DQT's first table has precision 1.
  const std::size_t dqt = worst.find("\xFF\xDB");
  ASSERT_NE(dqt, std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(worst[dqt + 4]) >> 4, 1);
  EXPECT_EQ(static_cast<unsigned char>(best[best.find("\xFF\xDB") + 4]) >> 4, 0);
  // 2500 is beyond the field's range: its last valid value, 320, is used.
  ASSERT_TRUE(TypeText(kadrex.Control(kBatchWidthField), "2500"));
  ASSERT_TRUE(MoveTrackBar(kadrex.Control(kFormatBar), 1));
  RunAndClose();
  EXPECT_EQ(LoadedPicture(In("Encoded\\photo.bmp")).Width(1), 320);
}

TEST_F(Batch, CancelEndsTheHandOffFile) {
  Start("batch-cancel");
  MakePicture(In("a.bmp"), 50, 50);
  WriteFile(HandOffFile(), In("a.bmp") + "\r\n");
  Launch();
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kOpenFilesItem));
  const HWND dialog = WaitForDialog(kadrex.process, kChooseTitle);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntilClosed(dialog));
  RunAndClose();
  EXPECT_FALSE(FileExists(In("Encoded")));
  EXPECT_TRUE(FileExists(HandOffFile()));
}

TEST_F(Batch, HandOffFileIsConvertedAndDeletedAfterTheBox) {
  Start("batch-hand-off");
  MakePicture(In("a.jpg"), 80, 60, Format::Jpeg);
  MakePicture(In("b.png"), 90, 70, Format::Png);
  WriteFile(HandOffFile(), In("a.jpg") + "\r\n\r\n" + In("b.png") + "\r\n");
  Launch();
  ASSERT_TRUE(ClickButton(kadrex.Control(kOkButton)));
  ASSERT_NE(WaitForDialog(kadrex.process, kInformation, 60s), nullptr);
  EXPECT_TRUE(FileExists(HandOffFile()));
  EXPECT_EQ(CloseMessageBox(kadrex.process, kInformation), "Все готово");
  EXPECT_TRUE(WaitUntil([] { return !FileExists(HandOffFile()); }));
  EXPECT_EQ(LoadedPicture(In("Encoded\\a.bmp")).Width(1), 320);
  EXPECT_EQ(LoadedPicture(In("Encoded\\b.bmp")).Height(1), 240);
}

TEST_F(Batch, HandOffFileStillOpenForWritingIsNotRead) {
  Start("batch-held");
  MakePicture(In("a.bmp"), 50, 50);
  WriteFile(HandOffFile(), In("a.bmp") + "\r\n");
  const HANDLE held =
      CreateFileW(Widen(HandOffFile()).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Launch();
  ASSERT_TRUE(ClickButton(kadrex.Control(kOkButton)));
  EXPECT_EQ(WaitForDialog(kadrex.process, kInformation, 3s), nullptr);
  CloseHandle(held);
  EXPECT_FALSE(FileExists(In("Encoded")));
  EXPECT_TRUE(FileExists(HandOffFile()));
}

TEST_F(Batch, BadSourcesAreSkippedAndOutputsReplaced) {
  Start("batch-skip");
  MakePicture(In("good.bmp"), 40, 30);
  WriteFile(In("bad.png"), "this is no picture");
  CreateDirectoryW(Widen(In("Encoded")).c_str(), nullptr);
  WriteFile(In("Encoded\\good.bmp"), "old output");
  MakePicture(In("Encoded\\inner.bmp"), 40, 30);
  Launch();
  Choose({"bad.png", "good.bmp"});
  RunAndClose();
  EXPECT_EQ(LoadedPicture(In("Encoded\\good.bmp")).Width(1), 320);
  EXPECT_FALSE(FileExists(In("Encoded\\bad.bmp")));
  Choose({"Encoded\\inner.bmp"});
  RunAndClose();
  EXPECT_EQ(LoadedPicture(In("Encoded\\Encoded\\inner.bmp")).Width(1), 320);
}

}  // namespace
}  // namespace kadrex::e2e
