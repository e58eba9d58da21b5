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

// Mouse input of an image view that the program handles in place of the view. Points
// are in the view's client coordinates, so they are pixels of the shown picture.
class PreviewMouse {
 public:
  virtual ~PreviewMouse() = default;
  virtual void LeftButtonDown(Point at) = 0;
  virtual void MouseMove(Point at, bool leftButtonDown) = 0;
  virtual void LeftButtonUp() = 0;
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

  // A scrolling area whose inner area has a fixed size in pixels, centred while smaller
  // than the visible part; the arrows and wheel scroll by step pixels.
  virtual void AddScrollArea(int window, int control, Rect place, Size inner, int step) = 0;
  // An image view inside a scroll area, at a pixel position of its inner area. It always
  // takes the exact size of the picture it shows, so its client coordinates are pixels.
  virtual void AddImageView(int scrollArea, int control, Point position, Size size) = 0;
  // Shows a copy of the picture 1:1; nullptr or an empty picture shows nothing.
  virtual void ShowPicture(int control, const Picture* picture) = 0;
  // From now on the view's left-button presses, releases and mouse moves go to mouse
  // and nowhere else; every other message reaches the view as before.
  virtual void HookPreviewView(int control, PreviewMouse& mouse) = 0;
  // The screen side of a mouse selection on a view: the cursor kept inside its client
  // area, the mouse captured, and a dotted focus rectangle drawn by inverting the screen
  // (drawing the same rectangle twice removes it; never drawn into a picture).
  virtual void ConfineCursor(int control) = 0;
  virtual void FreeCursor() = 0;
  virtual void CaptureMouse(int control) = 0;
  virtual void ReleaseMouse() = 0;
  virtual void ToggleFocusRect(int control, Rect rect) = 0;
  // Moves a control within its parent, keeping its size.
  virtual void MoveControl(int control, Point position) = 0;

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
  // A popup menu owned by a window, filled with AddMenuItem.
  virtual bool CreatePopupMenu(int menu, int window) = 0;
  // Brings the owner to the front and shows the menu with its top-left corner at a screen
  // point; a chosen item arrives later as a menu event.
  virtual void ShowPopupMenu(int menu, Point at) = 0;

  // Modal message box: caption, one line of text, one OK button, no icon.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // An open dialog; filter is pairs of description and patterns separated by "|".
  // Returns the chosen full paths in the dialog's order, none on Cancel. The current
  // folder is left as it was.
  virtual std::vector<std::string> ChooseFilesToOpen(const std::string& title,
                                                     const std::string& filter, bool several) = 0;

  // A save dialog; returns the full path as typed (no extension added), empty on Cancel.
  virtual std::string ChooseFileToSave(const std::string& title, const std::string& defaultName,
                                       const std::string& filter, int filterIndex) = 0;
  // Modal Yes/No question in the style of ShowMessage; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // The clipboard's picture (any bitmap format it offers); false when it holds none.
  virtual bool FetchClipboardPicture(Picture& picture) = 0;

  // Blocks until the next event of any of the program's windows.
  virtual Event WaitEvent() = 0;
};

}  // namespace kadrex
