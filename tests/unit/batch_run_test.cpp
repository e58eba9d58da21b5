#include "converter/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "converter/converter_window.h"
#include "converter/hand_off_file.h"
#include "converter/working_image.h"
#include "fake_gui.h"
#include "fake_system.h"
#include "temp_folder.h"

namespace kadrex {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class BatchRun : public testing::Test {
 protected:
  BatchRun() {
    system.tempFolder = temp / "";
    CreateConverterWindow(gui);
  }

  // A 64 x 48 picture with a red outline, saved as BMP or PNG.
  std::string MakeSource(const std::string& name) {
    const std::string path = temp / name;
    ImageStore store;
    store.CreateBlack(1, 64, 48);
    store.DrawOutline(1, 0, 0, 64, 48, 0x0000FF);
    const bool saved = name.ends_with(".png") ? store.SavePng(1, path) : store.SaveBmp(1, path);
    EXPECT_TRUE(saved);
    return path;
  }

  void WriteHandOff(const std::string& bytes) {
    std::ofstream(HandOffFilePath(system), std::ios::binary) << bytes;
  }

  ImageStore Decoded(const std::string& path) {
    ImageStore store;
    EXPECT_TRUE(store.LoadFile(1, path)) << path;
    return store;
  }

  test::TempFolder temp;
  test::FakeGui gui;
  test::FakeSystem system;
  ImageStore images;
  BatchSources sources;
  BatchContext batch{gui, system, images, sources};
};

TEST_F(BatchRun, ConvertsEveryChosenFileInEachFormatAtTheFieldsSize) {
  const std::string a = MakeSource("a.bmp");
  const std::string b = MakeSource("b.png");
  gui.openDialogAnswers.push_back({a, b});
  ChooseBatchFiles(batch);
  EXPECT_EQ(gui.openDialogTitles, Lines{"Выбрать файл(ы)"});
  EXPECT_EQ(gui.openDialogFilters, Lines{"PNG  JPG  BMP|*.png;*.jpg;*.JPG;*.JEPG;*.jpeg;*.bmp|"});
  EXPECT_EQ(sources.fileList, (Lines{a, b}));
  gui.SetValue(kBatchWidthField, 32);
  gui.SetValue(kBatchHeightField, 20);
  for (const auto& [position, extension] : {std::pair{1, "bmp"}, {2, "jpg"}, {3, "png"}}) {
    gui.SetValue(kFormatBar, position);
    RunBatch(batch);
    for (const char* name : {"a", "b"}) {
      const std::string output = temp / ("Encoded/" + std::string(name) + "." + extension);
      ImageStore decoded = Decoded(output);
      EXPECT_EQ(decoded.Width(1), 32);
      EXPECT_EQ(decoded.Height(1), 20);
    }
  }
  ASSERT_EQ(gui.messages.size(), 3u);
  EXPECT_EQ(gui.messages[0].caption, "Информация");
  EXPECT_EQ(gui.messages[0].text, "Все готово");
  // The run leaves the last picture, resized, in the working image.
  EXPECT_EQ(images.Width(kWorkingImage), 32);
}

TEST_F(BatchRun, RunsAgainOnTheSameFilesAndReplacesTheOutputs) {
  const std::string a = MakeSource("a.bmp");
  gui.openDialogAnswers.push_back({a});
  ChooseBatchFiles(batch);
  RunBatch(batch);
  gui.SetValue(kBatchWidthField, 10);
  RunBatch(batch);
  EXPECT_EQ(Decoded(temp / "Encoded/a.bmp").Width(1), 10);
  EXPECT_EQ(sources.fileList, Lines{a});
}

TEST_F(BatchRun, UnreadableSourcesAreSkippedSilently) {
  std::ofstream(temp / "junk.png") << "not a picture";
  const std::string good = MakeSource("good.bmp");
  gui.openDialogAnswers.push_back({temp / "missing.bmp", temp / "junk.png", good, ""});
  ChooseBatchFiles(batch);
  RunBatch(batch);
  EXPECT_TRUE(fs::exists(temp / "Encoded/good.bmp"));
  EXPECT_FALSE(fs::exists(temp / "Encoded/junk.bmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(temp / "Encoded"), fs::directory_iterator()), 1);
  EXPECT_EQ(gui.messages.size(), 1u);
  // The last source failed, so the working image is empty.
  EXPECT_EQ(images.Width(kWorkingImage), 0);
}

TEST_F(BatchRun, EveryBrokenFileIsSkippedAndEveryGoodFileAroundThemConverts) {
  Lines chosen;
  int good = 0;
  for (const auto& entry : fs::directory_iterator(KADREX_BROKEN_DIR)) {
    const fs::path copy = temp / entry.path().filename();
    fs::copy_file(entry.path(), copy);
    chosen.push_back(copy.string());
    chosen.push_back(MakeSource("good-" + std::to_string(++good) + ".png"));
  }
  ASSERT_GT(good, 1);
  gui.openDialogAnswers.push_back(chosen);
  ChooseBatchFiles(batch);
  gui.SetValue(kBatchWidthField, 16);
  gui.SetValue(kBatchHeightField, 12);
  RunBatch(batch);
  for (int i = 1; i <= good; ++i) {
    EXPECT_EQ(Decoded(temp / ("Encoded/good-" + std::to_string(i) + ".bmp")).Width(1), 16);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(temp / "Encoded"), fs::directory_iterator()),
            good);
  EXPECT_EQ(gui.messages.size(), 1u);
}

TEST_F(BatchRun, ZeroWidthKeepsTheLoadedSize) {
  gui.openDialogAnswers.push_back({MakeSource("a.bmp")});
  ChooseBatchFiles(batch);
  gui.SetValue(kBatchWidthField, 0);
  RunBatch(batch);
  EXPECT_EQ(Decoded(temp / "Encoded/a.bmp").Width(1), 64);
}

TEST_F(BatchRun, TypedWidthOutsideTheRangeUsesTheLastValidValue) {
  gui.openDialogAnswers.push_back({MakeSource("a.bmp")});
  ChooseBatchFiles(batch);
  gui.Type(kBatchWidthField, "2500");
  RunBatch(batch);
  EXPECT_EQ(Decoded(temp / "Encoded/a.bmp").Width(1), 320);
}

TEST_F(BatchRun, SourceInsideEncodedWritesOneFolderDeeper) {
  fs::create_directory(temp.Path() / "Encoded");
  gui.openDialogAnswers.push_back({MakeSource("Encoded/a.bmp")});
  ChooseBatchFiles(batch);
  RunBatch(batch);
  EXPECT_TRUE(fs::exists(temp / "Encoded/Encoded/a.bmp"));
}

TEST_F(BatchRun, CancelMakesAnEmptyListThatNoLongerReadsTheHandOffFile) {
  WriteHandOff(MakeSource("a.bmp") + "\r\n");
  ChooseBatchFiles(batch);
  EXPECT_EQ(sources.batchSourceMode, 1);
  EXPECT_TRUE(sources.fileList.empty());
  RunBatch(batch);
  EXPECT_EQ(gui.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(temp / "Encoded"));
  EXPECT_TRUE(fs::exists(HandOffFilePath(system)));
}

TEST_F(BatchRun, HandOffFileConvertsItsLinesAndIsDeletedAfterTheMessage) {
  const std::string a = MakeSource("a.bmp");
  const std::string b = MakeSource("b.png");
  WriteHandOff(a + "\r\n\r\n" + b + "\r\n");
  bool presentDuringMessage = false;
  gui.onMessage = [&](const auto&) { presentDuringMessage = fs::exists(HandOffFilePath(system)); };
  RunBatch(batch);
  EXPECT_TRUE(presentDuringMessage);
  EXPECT_FALSE(fs::exists(HandOffFilePath(system)));
  EXPECT_EQ(sources.fileList, (Lines{a, "", b}));
  EXPECT_EQ(sources.batchSourceMode, 0);
  EXPECT_TRUE(fs::exists(temp / "Encoded/a.bmp"));
  EXPECT_TRUE(fs::exists(temp / "Encoded/b.bmp"));
  EXPECT_EQ(gui.messages.size(), 1u);
  // A later run reads only a new hand-off file.
  RunBatch(batch);
  EXPECT_EQ(gui.messages.size(), 1u);
}

TEST_F(BatchRun, HandOffFileLinesComeFromTheAnsiCodePage) {
  const std::string source = MakeSource("caf\xC3\xA9.bmp");
  WriteHandOff(temp / "caf\xE9.bmp");
  RunBatch(batch);
  EXPECT_EQ(sources.fileList, Lines{source});
  EXPECT_TRUE(fs::exists(temp / "Encoded/caf\xC3\xA9.bmp"));
}

TEST_F(BatchRun, EmptyHandOffFileStillSaysDoneAndIsDeleted) {
  WriteHandOff("");
  RunBatch(batch);
  EXPECT_EQ(gui.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(HandOffFilePath(system)));
}

TEST_F(BatchRun, MissingOrHeldHandOffFileDoesNothing) {
  RunBatch(batch);
  WriteHandOff(MakeSource("a.bmp"));
  system.heldForWriting.insert(HandOffFilePath(system));
  RunBatch(batch);
  EXPECT_TRUE(gui.messages.empty());
  EXPECT_TRUE(fs::exists(HandOffFilePath(system)));
  EXPECT_FALSE(fs::exists(temp / "Encoded"));
}

}  // namespace
}  // namespace kadrex
