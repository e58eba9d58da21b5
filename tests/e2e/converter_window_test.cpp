// clang-format off
#include "scenario.h"
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

namespace kadrex::e2e {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64];
  return std::wstring(name, GetClassNameW(window, name, 64));
}

// The up-down arrow pair whose buddy is the edit.
HWND ArrowsOf(HWND edit) {
  struct Search {
    HWND edit;
    HWND found = nullptr;
  } search{edit};
  EnumChildWindows(
      GetParent(edit),
      [](HWND child, LPARAM address) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(address);
        if (_wcsicmp(ClassOf(child).c_str(), UPDOWN_CLASSW) == 0 &&
            reinterpret_cast<HWND>(SendMessageW(child, UDM_GETBUDDY, 0, 0)) == s.edit) {
          s.found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ConverterWindow, EveryControlAsTheProgramLaysItOut) {
  RunningKadrex kadrex = StartAndWait(ScenarioFolder("converter-window"));
  ASSERT_NE(kadrex.converter, nullptr);
  const RECT frame = WindowRect(kadrex.converter);
  EXPECT_EQ(frame.left, 483);
  EXPECT_EQ(frame.top, 334);
  EXPECT_EQ(ClientRect(kadrex.converter).right, 274);
  // The menu bar takes its height out of the 160 pixels; the frame does not grow for it.
  EXPECT_LT(ClientRect(kadrex.converter).bottom, 160);
  EXPECT_GT(ClientRect(kadrex.converter).bottom, 133);

  struct Expected {
    int id;
    const wchar_t* windowClass;
    RECT place;
    const char* text;
  };
  const Expected controls[] = {
      {2, TRACKBAR_CLASSW, {5, 75, 195, 105}, ""},
      {3, L"Static", {5, 110, 35, 130}, "BMP"},
      {4, L"Static", {80, 110, 120, 130}, "JPEG"},
      {5, L"Static", {160, 110, 195, 125}, "PNG"},
      {9, L"Button", {215, 113, 260, 133}, "ОК"},
      {10, L"Button", {200, 80, 260, 100}, "Обрезать"},
      {20, L"Static", {10, 10, 70, 30}, "Ширина"},
      {21, L"Static", {85, 10, 145, 30}, "Высота"},
      {22, L"Static", {210, 10, 270, 30}, "Качество"},
  };
  for (const Expected& e : controls) {
    SCOPED_TRACE(e.id);
    const HWND control = kadrex.Control(e.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), e.windowClass), 0);
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, e.place.left);
    EXPECT_EQ(place.top, e.place.top);
    EXPECT_EQ(place.right, e.place.right);
    EXPECT_EQ(place.bottom, e.place.bottom);
    EXPECT_EQ(ControlText(control), e.text);
  }
  EXPECT_TRUE(GetWindowLongW(kadrex.Control(3), GWL_STYLE) & SS_CENTER);
  EXPECT_EQ(SendMessageW(kadrex.Control(2), TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(SendMessageW(kadrex.Control(2), TBM_GETRANGEMAX, 0, 0), 3);
  EXPECT_EQ(TrackBarPosition(kadrex.Control(2)), 1);

  // The spin fields: an edit with its number, and an up-down arrow pair with the range.
  const std::tuple<int, const char*, int, RECT> fields[] = {{6, "320", 2000, {15, 38, 75, 58}},
                                                            {7, "240", 2000, {90, 38, 150, 58}},
                                                            {8, "10", 10, {220, 38, 260, 58}}};
  for (const auto& [id, first, maximum, place] : fields) {
    SCOPED_TRACE(id);
    const HWND edit = kadrex.Control(id);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(_wcsicmp(ClassOf(edit).c_str(), L"Edit"), 0);
    EXPECT_EQ(ControlText(edit), first);
    const HWND arrows = ArrowsOf(edit);
    ASSERT_NE(arrows, nullptr);
    const LRESULT range = SendMessageW(arrows, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(HIWORD(range), 0);
    EXPECT_EQ(LOWORD(range), maximum);
    // The edit and, at its right, the arrow pair fill the field's rectangle together; the
    // pair lies on the edit's sunken border, as the standard control puts it.
    const RECT editPlace = PlaceInParent(edit);
    const RECT arrowsPlace = PlaceInParent(arrows);
    EXPECT_EQ(editPlace.left, place.left);
    EXPECT_EQ(editPlace.top, place.top);
    EXPECT_EQ(editPlace.bottom, place.bottom);
    EXPECT_NEAR(arrowsPlace.left, editPlace.right, 2);
    EXPECT_NEAR(arrowsPlace.right, place.right, 2);
    EXPECT_EQ(arrowsPlace.top, place.top);
  }
  EXPECT_TRUE(SaveScreenshot("converter-window"));
}

TEST(ConverterWindow, CannotBeResized) {
  RunningKadrex kadrex = StartAndWait(ScenarioFolder("converter-fixed"));
  ASSERT_NE(kadrex.converter, nullptr);
  const RECT before = WindowRect(kadrex.converter);
  SetWindowPos(kadrex.converter, nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
  Sleep(200);
  const RECT after = WindowRect(kadrex.converter);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST(ConverterWindow, AboutBoxAndExit) {
  RunningKadrex kadrex = StartAndWait(ScenarioFolder("about"));
  ASSERT_NE(kadrex.converter, nullptr);
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, 4));
  const std::optional<std::string> about = CloseMessageBox(kadrex.process, "О программе");
  ASSERT_TRUE(about);
  EXPECT_NE(about->find("Kadrex"), std::string::npos);
  EXPECT_NE(about->find("example.org"), std::string::npos);
  EXPECT_EQ(about->find('\n'), std::string::npos);
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, 5));
  EXPECT_EQ(kadrex.process.WaitForExit(), 0u);
}

TEST(ConverterWindow, SecondCopyEndsAtOnceAndTouchesNothing) {
  const std::string folder = ScenarioFolder("second-copy");
  RunningKadrex first = StartAndWait(folder);
  ASSERT_NE(first.converter, nullptr);
  WriteFile(HandOffFile(), "C:\\nothing.bmp\r\n");
  Process second = StartKadrex(folder);
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(first.process.Running());
  EXPECT_EQ(ReadFile(HandOffFile()), "C:\\nothing.bmp\r\n");
  DeleteFileW(Widen(HandOffFile()).c_str());
  // A copy under another file name runs alongside.
  const std::string other = folder + "\\Other.exe";
  ASSERT_TRUE(CopyFileW(Widen(Settings().kadrex).c_str(), Widen(other).c_str(), FALSE));
  Process renamed = Process::Start(other, {}, folder);
  EXPECT_NE(WaitForWindow(renamed, kConverterTitle), nullptr);
  EXPECT_TRUE(renamed.Running());
  EXPECT_TRUE(RequestClose(first.converter));
  EXPECT_EQ(first.process.WaitForExit(), 0u);
}

}  // namespace
}  // namespace kadrex::e2e
