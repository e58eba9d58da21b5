#pragma once

// Steps for end-to-end scenarios: start Kadrex.exe, find its windows and controls, act on
// them as a user would (by the messages a click or a keystroke sends) and read back what
// they show. Texts are UTF-8; the wide Windows functions are used underneath. Every wait
// polls until its condition holds or the timeout passes; on a timeout a step returns
// nullptr, false or an empty optional, so that the scenario's assertion says what failed.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handles.h"

namespace kadrex::e2e {

using namespace std::chrono_literals;
using Timeout = std::chrono::milliseconds;
inline constexpr Timeout kDefaultTimeout = 10s;

// Where the driver finds Kadrex.exe and puts its files, from its command line.
struct DriverSettings {
  std::string kadrex;       // --kadrex=<Kadrex.exe>
  std::string screenshots;  // --screenshots=<folder for <scenario>.png>
  std::string work;         // --work=<folder holding one folder per scenario>
};
// Reads the driver's own arguments (those left after GoogleTest took its flags).
bool ParseDriverSettings(const std::vector<std::string>& arguments);
const DriverSettings& Settings();

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A fresh, empty folder for one scenario under the work folder; its path.
std::string ScenarioFolder(std::string_view scenario);

// A started program. A process still running when its Process goes is killed.
class Process {
 public:
  Process() = default;
  Process(Process&&) = default;
  Process& operator=(Process&& other);
  ~Process();

  // Starts program with the arguments (quoted as needed) in the given current folder;
  // an empty Process when it cannot be started.
  static Process Start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& folder);

  bool Started() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  bool Running() const;
  // True once the program waits for input with none pending (its windows are up).
  bool WaitForIdle(Timeout timeout = kDefaultTimeout) const;
  // The exit code once the process has ended; nothing while it still runs at the timeout.
  std::optional<DWORD> WaitForExit(Timeout timeout = kDefaultTimeout);
  // Ends the process if it still runs and waits until it has.
  void Kill();

 private:
  KernelHandle handle_;
  DWORD id_ = 0;
};

// Kadrex.exe (from --kadrex) started in folder.
Process StartKadrex(const std::string& folder, const std::vector<std::string>& arguments = {});

// True once condition() holds, polling; false if it still does not at the timeout.
bool WaitUntil(const std::function<bool()>& condition, Timeout timeout = kDefaultTimeout);

// A visible top-level window of the process with exactly this title (and this window
// class, when one is given); nullptr when none appeared in time.
HWND WaitForWindow(const Process& process, std::string_view title,
                   Timeout timeout = kDefaultTimeout, const wchar_t* windowClass = nullptr);
// A dialog (class "#32770", as message boxes and the open and save dialogs are).
HWND WaitForDialog(const Process& process, std::string_view title,
                   Timeout timeout = kDefaultTimeout);
// True once the window no longer exists.
bool WaitUntilClosed(HWND window, Timeout timeout = kDefaultTimeout);

// The first control under window (at any depth) with this number; nullptr when none.
HWND FindControl(HWND window, int id);

// What a user does. Each posts or sends the message that the real action sends and
// returns false when the window is gone or did not answer.
bool ClickButton(HWND button);                    // WM_COMMAND BN_CLICKED to the parent
bool MoveTrackBar(HWND trackBar, int position);   // TBM_SETPOS, then dragging and letting go
bool TypeText(HWND edit, std::string_view text);  // WM_SETTEXT, which raises EN_CHANGE
bool ChooseMenuItem(HWND owner, int item);        // WM_COMMAND with the item's number
bool RequestClose(HWND window);                   // WM_CLOSE, as the title bar's button

// Answers an open or save dialog with this title: puts the names into its file-name box
// (several as "a.jpg" "b.png") and presses its OK button. True once the dialog has closed.
bool AnswerFileDialog(const Process& process, std::string_view title,
                      const std::vector<std::string>& fileNames, Timeout timeout = kDefaultTimeout);
// The same, after first going to folder in the dialog (typed into the name box), since
// the dialog may open in the folder it was last used in.
bool AnswerFileDialogIn(const Process& process, std::string_view title, const std::string& folder,
                        const std::vector<std::string>& fileNames,
                        Timeout timeout = kDefaultTimeout);
// Finds the message box with this caption, reads its text and presses the given button;
// the text, or nothing when no such box appeared.
std::optional<std::string> CloseMessageBox(const Process& process, std::string_view caption,
                                           Timeout timeout = kDefaultTimeout, int button = IDOK);

// What the program shows.
std::optional<std::string> ControlText(HWND control);  // WM_GETTEXT
std::optional<int> TrackBarPosition(HWND trackBar);    // TBM_GETPOS
RECT WindowRect(HWND window);                          // screen coordinates, frame included
RECT ClientRect(HWND window);                          // the client area, from (0, 0)
// The colour on screen at a point of the control's client area (0x00BBGGRR, as RGB()).
std::optional<COLORREF> ScreenPixel(HWND control, int x, int y);

// Saves the whole virtual screen as <screenshots>/<scenario>.png.
bool SaveScreenshot(std::string_view scenario);

}  // namespace kadrex::e2e
