#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui.h"
#include "platform/image/picture.h"
#include "platform/spin_field_value.h"

namespace kadrex::test {

// A toolkit that records what the program made and set, and lets a test queue events
// and dialog answers.
class FakeGui : public Gui {
 public:
  enum class Kind { Button, Label, SpinField, TrackBar, ScrollArea, ImageView };

  struct Window {
    std::string title;
    Point position;
    Size client;
    unsigned frame = 0;
    bool fixedSize = false;
  };

  struct Control {
    int window = 0;
    Kind kind = Kind::Button;
    Rect place;
    std::string text;
    TextAlign align = TextAlign::Left;
    int minimum = 0;
    int maximum = 0;
    bool tickMarks = false;
    int value = 0;  // track bar position
    std::optional<SpinFieldValue> spin;
    int font = -1;
    Size inner;       // scroll area
    int step = 0;     // scroll area
    int parent = -1;  // image view: its scroll area
    Picture shown;    // image view: a copy of what it shows
  };

  struct Font {
    std::string face;
    int points = 0;
    bool bold = false;
  };

  struct Message {
    std::string caption;
    std::string text;
  };

  bool OpenWindow(int window, const std::string& title, Point position, Size client,
                  unsigned frame) override;
  void FixWindowSize(int window) override;
  Point WindowPosition(int window) override;
  Size DesktopSize() override { return desktop; }

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

  // Hands out the queued events; a Close event once they are used up.
  Event WaitEvent() override;

  // What a user does: typing into a field, moving a bar; neither raises an event here.
  void Type(int control, const std::string& text);

  Size desktop{1280, 1024};
  std::map<int, Window> windows;
  std::map<int, Control> controls;
  std::vector<int> creationOrder;
  std::map<int, Font> fonts;
  // Each menu as lines: "title X", "item N X", "submenu X", "end", "separator".
  std::map<int, std::vector<std::string>> menus;
  std::vector<Message> messages;
  // Runs while a message box is shown, before the program goes on.
  std::function<void(const Message&)> onMessage;
  std::deque<Event> events;
  std::deque<std::vector<std::string>> openDialogAnswers;
  std::vector<std::string> openDialogTitles;
  std::vector<std::string> openDialogFilters;
  std::deque<std::string> saveDialogAnswers;
  std::vector<std::string> saveDialogTitles;
  std::deque<bool> yesNoAnswers;
  std::vector<Message> questions;
  std::optional<Picture> clipboard;
  std::vector<std::pair<int, Point>> popupsShown;
  // The mouse selection as the view would see it.
  PreviewMouse* previewMouse = nullptr;
  int confinedTo = -1;  // the view the cursor is kept in, or -1
  int capturedBy = -1;
  std::vector<Rect> focusRectsOnScreen;  // each toggle adds or removes one

 private:
  Control& Add(int window, int control, Kind kind, Rect place);
};

}  // namespace kadrex::test
