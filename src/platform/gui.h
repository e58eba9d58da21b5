#pragma once

#include <string>
#include <vector>

namespace kadrex {

struct Picture;

// What the program waits for. The numbers are the toolkit's own event kinds.
enum class EventKind { None = 0, Close = 16, Control = 13100, Menu = 13101 };

struct Event {
  EventKind kind = EventKind::None;
  int source = 0;  // window for Close, control for Control, menu item for Menu
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Frame elements of a window.
enum WindowFrame : unsigned {
  kTitleBar = 1,
  kSystemMenu = 2,
  kSizingBorder = 4,
  kMinimizeBox = 8,
};

enum class TextAlign { Left, Centre };

// The GUI toolkit as the program sees it: windows, controls, fonts, menus and menu
// items are small numbers fixed by the program; a control's number is unique across
// windows and is also its identifier in the platform. Texts are UTF-8. Setting a
// control's text or value from the program raises no event.
class Gui {
 public:
  virtual ~Gui() = default;

  // A visible window with its outer top-left corner at position and a client area of
  // the given size; replaces a window of the same number with its controls and menus.
  virtual bool OpenWindow(int window, const std::string& title, Point position, Size client,
                          unsigned frame) = 0;
  // Makes the window's present frame size both its smallest and its largest size.
  virtual void FixWindowSize(int window) = 0;
  // The window's outer top-left corner on the screen, frame included.
  virtual Point WindowPosition(int window) = 0;
  virtual Size DesktopSize() = 0;

  virtual void AddButton(int window, int control, Rect place, const std::string& text) = 0;
  virtual void AddLabel(int window, int control, Rect place, const std::string& text,
                        TextAlign align) = 0;
  // An edit box with an up-down arrow pair; its value (Value) is the edit's number when
  // that is a whole number within the range, else the last such number.
  virtual void AddSpinField(int window, int control, Rect place, int minimum, int maximum) = 0;
  virtual void AddTrackBar(int window, int control, Rect place, int minimum, int maximum,
                           bool tickMarks) = 0;

  virtual void SetText(int control, const std::string& text) = 0;
  virtual std::string Text(int control) = 0;
  // Track bar position, or spin field value written as decimal text.
  virtual void SetValue(int control, int value) = 0;
  virtual int Value(int control) = 0;

  // A font by face, size in points and weight; replaces a font of the same number.
  virtual bool MakeFont(int font, const std::string& face, int points, bool bold) = 0;
  virtual void SetFont(int control, int font) = 0;

  // The menu bar of a window, filled in order: titles, items, submenus, separators.
  virtual bool CreateMenuBar(int menu, int window) = 0;
  virtual void AddMenuTitle(int menu, const std::string& text) = 0;
  virtual void AddMenuItem(int menu, int item, const std::string& text) = 0;
  virtual void OpenSubmenu(int menu, const std::string& text) = 0;
  virtual void CloseSubmenu(int menu) = 0;
  virtual void AddMenuSeparator(int menu) = 0;

  // Modal message box: caption, one line of text, one OK button, no icon.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // An open dialog; filter is pairs of description and patterns separated by "|".
  // Returns the chosen full paths in the dialog's order, none on Cancel. The current
  // folder is left as it was.
  virtual std::vector<std::string> ChooseFilesToOpen(const std::string& title,
                                                     const std::string& filter, bool several) = 0;

  // Blocks until the next event of any of the program's windows.
  virtual Event WaitEvent() = 0;
};

}  // namespace kadrex
