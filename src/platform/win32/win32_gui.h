#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui.h"
#include "platform/spin_field_value.h"
#include "platform/win32/handles.h"
#include "platform/win32/menu_style.h"
#include "platform/win32/picture_view.h"
#include "platform/win32/scroll_area.h"
#include "platform/win32/window_class.h"

namespace kadrex::win32 {

// The program's toolkit on Win32: top-level windows of one class, standard and common
// controls whose control IDs are the program's numbers, owner-drawn menus, the common
// dialogs. Window procedures only queue events; WaitEvent runs the message loop.
class Win32Gui final : public Gui {
 public:
  explicit Win32Gui(HINSTANCE instance);
  ~Win32Gui() override;
  Win32Gui(const Win32Gui&) = delete;
  Win32Gui& operator=(const Win32Gui&) = delete;

  bool OpenWindow(int window, const std::string& title, Point position, Size client,
                  unsigned frame) override;
  void FixWindowSize(int window) override;
  Point WindowPosition(int window) override;
  Size DesktopSize() override;

  void AddButton(int window, int control, Rect place, const std::string& text) override;
  void AddLabel(int window, int control, Rect place, const std::string& text,
                TextAlign align) override;
  void AddSpinField(int window, int control, Rect place, int minimum, int maximum) override;
  void AddTrackBar(int window, int control, Rect place, int minimum, int maximum,
                   bool tickMarks) override;

  void AddScrollArea(int window, int control, Rect place, Size inner, int step) override;
  void AddImageView(int scrollArea, int control, Point position, Size size) override;
  void ShowPicture(int control, const Picture* picture) override;
  void HookPreviewView(int control, PreviewMouse& mouse) override;
  void ConfineCursor(int control) override;
  void FreeCursor() override;
  void CaptureMouse(int control) override;
  void ReleaseMouse() override;
  void ToggleFocusRect(int control, Rect rect) override;
  void MoveControl(int control, Point position) override;

  void SetText(int control, const std::string& text) override;
  std::string Text(int control) override;
  void SetValue(int control, int value) override;
  int Value(int control) override;

  bool MakeFont(int font, const std::string& face, int points, bool bold) override;
  void SetFont(int control, int font) override;

  bool CreateMenuBar(int menu, int window) override;
  void AddMenuTitle(int menu, const std::string& text) override;
  void AddMenuItem(int menu, int item, const std::string& text) override;
  void OpenSubmenu(int menu, const std::string& text) override;
  void CloseSubmenu(int menu) override;
  void AddMenuSeparator(int menu) override;
  bool CreatePopupMenu(int menu, int window) override;
  void ShowPopupMenu(int menu, Point at) override;

  void ShowMessage(const std::string& caption, const std::string& text) override;
  std::vector<std::string> ChooseFilesToOpen(const std::string& title, const std::string& filter,
                                             bool several) override;
  std::string ChooseFileToSave(const std::string& title, const std::string& defaultName,
                               const std::string& filter, int filterIndex) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  bool FetchClipboardPicture(Picture& picture) override;

  Event WaitEvent() override;

 private:
  enum class ControlKind { Button, Label, SpinField, TrackBar, ScrollArea, ImageView };

  struct ProgramWindow {
    UniqueWindow handle;
    unsigned openingOrder = 0;
    // The frame size that FixWindowSize froze.
    std::optional<SIZE> fixedFrame;
  };

  struct ProgramControl {
    int number = 0;
    int window = 0;
    // The scroll area an image view lies in; 0 for a control of the window itself.
    int container = 0;
    ControlKind kind = ControlKind::Button;
    // Owned by its window; a spin field's edit box.
    HWND handle = nullptr;
    HWND upDown = nullptr;
    std::optional<SpinFieldValue> spin;
    // A track bar's position at its last event or setting by the program.
    int reportedPosition = 0;
    std::unique_ptr<ScrollArea> area;
    std::unique_ptr<PictureView> view;
  };

  struct ProgramMenu {
    UniqueMenu handle;
    int window = 0;
    bool bar = false;
    // The popup being filled under the bar's last title, then the submenus opened in it.
    std::vector<HMENU> open;
    bool titleOpen = false;
    // Stable addresses: the items' data point here.
    std::deque<MenuEntry> entries;
  };

  // Marks the program's own settings of texts and values, whose notifications raise
  // no event.
  class ProgramSetting {
   public:
    explicit ProgramSetting(int& depth) : depth_(depth) { ++depth_; }
    ProgramSetting(const ProgramSetting&) = delete;
    ProgramSetting& operator=(const ProgramSetting&) = delete;
    ~ProgramSetting() { --depth_; }

   private:
    int& depth_;
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnScroll(HWND from, int code);
  void OnEditChanged(ProgramControl& field);
  bool PassWheelToScrollArea(WPARAM wParam, LPARAM lParam);
  void LimitToFixedSize(HWND window, MINMAXINFO& limits) const;
  bool MeasureMenuEntry(HWND window, MEASUREITEMSTRUCT& measure) const;
  bool DrawMenuEntry(const DRAWITEMSTRUCT& draw) const;
  bool PassToDialogManager(MSG& message);
  void Queue(EventKind kind, int source) { events_.push_back(Event{kind, source}); }

  void CloseProgramWindow(int window);
  HWND WindowHandle(int window) const;
  std::optional<int> WindowNumber(HWND handle) const;
  int FirstOpenedWindow() const;
  HWND DialogOwner() const;
  std::vector<HWND> WindowHandles() const;
  int ProgramMessageBox(const std::string& caption, const std::string& text, UINT buttons);

  HWND CreateChild(HWND parent, int control, const wchar_t* className, DWORD style,
                   DWORD extendedStyle, Rect place, const std::string& text);
  ProgramControl& RegisterControl(int window, int control, ControlKind kind, HWND handle);
  ProgramControl* AddControl(int window, int control, ControlKind kind, const wchar_t* className,
                             DWORD style, DWORD extendedStyle, Rect place, const std::string& text);
  void RemoveControl(int control);
  ProgramControl* FindControl(int control);
  ProgramControl* FindControlWith(HWND handle);
  void WriteText(ProgramControl& control, const std::wstring& text);

  ProgramMenu* FindMenu(int menu);
  bool CreateMenuOfWindow(int menu, int window, bool bar);
  HMENU CurrentPopup(ProgramMenu& menu) const;
  bool AppendEntry(ProgramMenu& menu, UINT flags, UINT_PTR item, MenuEntry entry);
  void DiscardMenu(int menu);

  HINSTANCE instance_;
  WindowClass windowClass_;
  WindowClass scrollAreaClass_;
  WindowClass pictureViewClass_;
  // Every font made stays alive to the end: a control may still use one that a later
  // font of its number replaced.
  std::vector<UniqueFont> fonts_;
  std::map<int, HFONT> numberedFonts_;
  MenuStyle menuStyle_;
  std::map<int, ProgramMenu> menus_;
  std::map<int, ProgramWindow> windows_;
  std::map<int, ProgramControl> controls_;
  std::deque<Event> events_;
  unsigned windowsOpened_ = 0;
  int programSetting_ = 0;
  // The spin field whose arrows are stepping: its edit's change is part of that step.
  int steppingField_ = 0;
};

}  // namespace kadrex::win32
