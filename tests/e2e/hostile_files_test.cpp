#include <gtest/gtest.h>

#include <filesystem>

#include "kadrex_scenario.h"

namespace kadrex::e2e {
namespace {

// Twenty files: good photos in every format (one with the wrong extension) among
// truncated, empty, giant-header and random ones. Returns the names that must convert.
std::vector<std::string> MakeMixedFolder(const std::string& folder) {
  std::vector<std::string> good;
  for (int i = 0; i < 4; ++i) {
    good.push_back("good" + std::to_string(i) + ".jpg");
    MakePicture(folder + "\\" + good.back(), 200 + i, 150, Format::Jpeg);
  }
  good.push_back("good.png");
  MakePicture(folder + "\\good.png", 120, 90, Format::Png);
  good.push_back("bitmap.bmp");
  MakePicture(folder + "\\bitmap.bmp", 64, 48);
  good.push_back("png-named.jpg");
  MakePicture(folder + "\\png-named.jpg", 50, 40, Format::Png);

  const std::string png = ReadFile(folder + "\\good.png");
  const std::string bmp = ReadFile(folder + "\\bitmap.bmp");
  const std::string jpeg = ReadFile(folder + "\\good0.jpg");
  WriteFile(folder + "\\cut.png", png.substr(0, png.size() / 2));
  WriteFile(folder + "\\cut.bmp", bmp.substr(0, bmp.size() / 2));
  WriteFile(folder + "\\header-only.jpg", jpeg.substr(0, 100));
  WriteFile(folder + "\\empty.jpg", "");
  WriteFile(folder + "\\empty.png", "");
  std::string giant = bmp.substr(0, 54);
  giant[18] = giant[19] = giant[20] = 0x7F;  // width and height near 2 billion
  giant[22] = giant[23] = giant[24] = 0x7F;
  WriteFile(folder + "\\giant.bmp", giant);
  std::string noise;
  for (int i = 0; i < 5000; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 251));
  WriteFile(folder + "\\noise.jpg", noise);
  WriteFile(folder + "\\png-noise.png", png.substr(0, 33) + noise);
  WriteFile(folder + "\\jpeg-noise.jpg", jpeg.substr(0, 600) + noise);
  WriteFile(folder + "\\text.bmp", "BM this is not a bitmap");
  WriteFile(folder + "\\icon.ico", std::string("\0\0\1\0\1\0", 6) + noise.substr(0, 50));
  WriteFile(folder + "\\readme.txt", "hello");
  WriteFile(folder + "\\animation.gif", "GIF89a" + noise.substr(0, 200));
  return good;
}

using HostileFiles = KadrexScenario;

TEST_F(HostileFiles, BatchOverAMixedFolderConvertsEveryGoodFile) {
  const std::string folder = ScenarioFolder("hostile-batch");
  const std::vector<std::string> good = MakeMixedFolder(folder);
  std::string list;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Widen(folder))) {
    if (!entry.is_regular_file()) continue;
    names.push_back(Narrow(entry.path().filename().wstring()));
    list += folder + "\\" + names.back() + "\r\n";
  }
  ASSERT_EQ(names.size(), 20u);
  // A source whose path is longer than Windows paths may be, and one whose output folder
  // cannot be made because a file has its name.
  const std::string paths = ScenarioFolder("hostile-batch-paths");
  const std::string deep = "\\\\?\\" + paths + "\\" + std::string(120, 'd');
  CreateDirectoryW(Widen(deep).c_str(), nullptr);
  CreateDirectoryW(Widen(deep + "\\" + std::string(120, 'e')).c_str(), nullptr);
  const std::string longSource = deep.substr(4) + "\\" + std::string(120, 'e') + "\\long.bmp";
  MakePicture("\\\\?\\" + longSource, 20, 20);
  const std::string blocked = paths + "\\blocked";
  CreateDirectoryW(Widen(blocked).c_str(), nullptr);
  MakePicture(blocked + "\\photo.bmp", 20, 20);
  WriteFile(blocked + "\\Encoded", "a file where the output folder would go");
  WriteFile(HandOffFile(), list + longSource + "\r\n" + blocked + "\\photo.bmp\r\n");

  kadrex = StartAndWait(folder);
  ASSERT_NE(kadrex.converter, nullptr);
  ASSERT_TRUE(ClickButton(kadrex.Control(kOkButton)));
  EXPECT_EQ(CloseMessageBox(kadrex.process, "Информация", 120s), "Все готово");
  for (const std::string& name : good) {
    const std::string output = folder + "\\Encoded\\" + name.substr(0, name.rfind('.')) + ".bmp";
    ImageStore converted = LoadedPicture(output);
    EXPECT_EQ(converted.Width(1), 320) << name;
    EXPECT_EQ(converted.Height(1), 240) << name;
  }
  std::size_t written = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Widen(folder + "\\Encoded"))) {
    written += entry.is_regular_file();
  }
  EXPECT_EQ(written, good.size());
  EXPECT_EQ(ReadFile(blocked + "\\Encoded"), "a file where the output folder would go");
  EXPECT_TRUE(kadrex.process.Running());
}

TEST_F(HostileFiles, EditorShowsTheFailedLoadAndKeepsWorking) {
  const std::string folder = ScenarioFolder("hostile-editor");
  MakeMixedFolder(folder);
  kadrex = StartAndWait(folder);
  ASSERT_NE(kadrex.converter, nullptr);
  HWND editor = nullptr;
  const auto open = [&](const std::string& name, const std::string& label) {
    WriteFile(HandOffFile(), folder + "\\" + name);
    editor = OpenEditor(kadrex, editor, label);
    ASSERT_NE(editor, nullptr) << name;
  };
  for (const std::string name : {"cut.png", "cut.bmp", "header-only.jpg", "empty.jpg", "giant.bmp",
                                 "noise.jpg", "png-noise.png", "text.bmp", "icon.ico"}) {
    open(name, "0x0 (0 %)");
    ASSERT_TRUE(MoveTrackBar(FindControl(editor, kZoomBar), 150));
  }
  open("good.png", "120x90 (100 %)");
  ASSERT_TRUE(MoveTrackBar(FindControl(editor, kZoomBar), 200));
  EXPECT_TRUE(WaitUntil(
      [&] { return ControlText(FindControl(editor, kPictureSizeLabel)) == "240x180 (200 %)"; }));
}

}  // namespace
}  // namespace kadrex::e2e
