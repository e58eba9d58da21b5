#include "output/save_as.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "converter/converter_window.h"
#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"
#include "platform/image/decode.h"
#include "platform/image/file_bytes.h"
#include "program_harness.h"

namespace kadrex {
namespace {

namespace fs = std::filesystem;

class SaveAsTest : public testing::Test {
 protected:
  SaveAsTest() {
    harness.ChooseSource(harness.MakePicture("p.bmp", 64, 48));
    harness.Press(kEditorButton);
  }

  void SaveWithFields(int item, const std::string& width, const std::string& height,
                      const std::string& name) {
    harness.gui.SetText(kWidthField, width);
    harness.gui.SetText(kHeightField, height);
    harness.gui.saveDialogAnswers.push_back(name);
    harness.Choose(item);
  }

  ImageStore Decoded(const std::string& path) {
    ImageStore store;
    EXPECT_TRUE(store.LoadFile(1, path)) << path;
    return store;
  }

  test::ProgramHarness harness;
};

TEST_F(SaveAsTest, EachItemWritesItsFormatAtTheTypedSize) {
  const std::string name = harness.temp / "out";
  const std::tuple<int, const char*, PictureFormat> items[] = {
      {kSaveJpegItem, ".jpg", PictureFormat::Jpeg},
      {kSavePngItem, ".png", PictureFormat::Png},
      {kSaveBmpItem, ".bmp", PictureFormat::Bmp}};
  for (const auto& [item, extension, format] : items) {
    SaveWithFields(item, "40", "$14", name);
    ImageStore saved = Decoded(name + extension);
    std::vector<std::uint8_t> bytes;
    ReadFileBytes(name + extension, bytes);
    EXPECT_EQ(DetectFormat(bytes), format);
    EXPECT_EQ(saved.Width(1), 40);
    EXPECT_EQ(saved.Height(1), 20);
  }
  EXPECT_EQ(harness.gui.saveDialogTitles.front(), "Введите имя файла");
}

TEST_F(SaveAsTest, ExtensionIsAppendedWhateverTheNameEndsWith) {
  const std::string name = harness.temp / "photo.jpg";
  SaveWithFields(kSaveJpegItem, "64", "48", name);
  EXPECT_TRUE(fs::exists(name + ".jpg"));
  SaveWithFields(kSaveIcoItem, "32", "32", name);
  EXPECT_TRUE(fs::exists(name + ".ico"));
  EXPECT_FALSE(fs::exists(name + "temp.bmp"));
}

TEST_F(SaveAsTest, CancelWritesNothingButTheDisplayImageKeepsTheNewSize) {
  SaveWithFields(kSavePngItem, "30", "20", "");
  EXPECT_EQ(std::distance(fs::directory_iterator(harness.temp.Path()), fs::directory_iterator()),
            1);
  EXPECT_EQ(harness.images.Width(kDisplayImage), 30);
  // The text of the fields stays as typed, and a crop reads the resized picture.
  EXPECT_EQ(harness.gui.Text(kWidthField), "30");
  harness.program.editor.state.frame = {0, 0, 30, 20, 0};
  harness.Press(kCropButton);
  EXPECT_EQ(harness.images.Width(kReferenceImage), 30);
}

TEST_F(SaveAsTest, NonNumericZeroOrNegativeSizesKeepTheShownSize) {
  const std::string name = harness.temp / "same";
  for (const auto& [width, height] :
       {std::pair{"", "48"}, {"abc", "x"}, {"-20", "30"}, {"0", "0"}}) {
    SaveWithFields(kSaveBmpItem, width, height, name);
    ImageStore saved = Decoded(name + ".bmp");
    EXPECT_EQ(saved.Width(1), 64);
    EXPECT_EQ(saved.Height(1), 48);
    fs::remove(name + ".bmp");
  }
}

TEST_F(SaveAsTest, IconOfTheWholePictureAt32) {
  const std::string name = harness.temp / "icon";
  SaveWithFields(kSaveIcoItem, "32", "32", name);
  EXPECT_EQ(fs::file_size(name + ".ico"), 2238u);
  EXPECT_EQ(harness.program.save.iconFileName, name + ".ico");
  EXPECT_EQ(harness.images.Width(49), 32);
  EXPECT_FALSE(fs::exists(name + "temp.bmp"));
}

TEST_F(SaveAsTest, UsersFileUnderTheTemporaryNameIsLeftAlone) {
  const std::string name = harness.temp / "icon";
  std::ofstream(name + "temp.bmp") << "mine";
  SaveWithFields(kSaveIcoItem, "32", "32", name);
  EXPECT_TRUE(fs::exists(name + ".ico"));
  std::ifstream kept(name + "temp.bmp");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
  EXPECT_EQ(std::distance(fs::directory_iterator(harness.temp.Path()), fs::directory_iterator()),
            3);
}

TEST_F(SaveAsTest, ReplacingAnExistingFileAsksFirst) {
  const std::string name = harness.temp / "exists";
  std::ofstream(name + ".png") << "old";
  harness.gui.yesNoAnswers.push_back(false);
  SaveWithFields(kSavePngItem, "64", "48", name);
  EXPECT_EQ(fs::file_size(name + ".png"), 3u);
  ASSERT_EQ(harness.gui.questions.size(), 1u);
  EXPECT_NE(harness.gui.questions[0].text.find(name + ".png"), std::string::npos);
  harness.gui.yesNoAnswers.push_back(true);
  SaveWithFields(kSavePngItem, "64", "48", name);
  EXPECT_EQ(Decoded(name + ".png").Width(1), 64);
}

TEST_F(SaveAsTest, MenuOpensBelowTheButtonScaledFromTheWindowCorner) {
  harness.gui.windows.at(kEditorWindow).position = {10, 0};
  harness.Press(kSaveAsButton);
  ASSERT_EQ(harness.gui.popupsShown.size(), 1u);
  EXPECT_EQ(harness.gui.popupsShown[0].first, kSaveAsMenu);
  EXPECT_EQ(harness.gui.popupsShown[0].second.x, 10 + 1057);
  EXPECT_EQ(harness.gui.popupsShown[0].second.y, 846);
}

}  // namespace
}  // namespace kadrex
