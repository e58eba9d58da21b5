#include "driver.h"

#include <commctrl.h>

#include <filesystem>
#include <system_error>
#include <thread>

namespace kadrex::e2e {

namespace {

DriverSettings settings;

constexpr Timeout kPollInterval = 20ms;
// How long a window may take to answer a sent message before it counts as hung.
constexpr UINT kSendTimeoutMs = 5000;

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return window != nullptr && PostMessageW(window, message, wParam, lParam);
}

std::wstring WindowTitle(HWND window) {
  std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  title.resize(GetWindowTextW(window, title.data(), static_cast<int>(title.size())));
  return title;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  return std::wstring(name, GetClassNameW(window, name, static_cast<int>(std::size(name))));
}

struct WindowSearch {
  DWORD processId;
  std::wstring title;
  const wchar_t* windowClass;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM searchAddress) {
  auto& search = *reinterpret_cast<WindowSearch*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window) ||
      WindowTitle(window) != search.title ||
      (search.windowClass != nullptr && ClassName(window) != search.windowClass)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

struct ControlSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM searchAddress) {
  auto& search = *reinterpret_cast<ControlSearch*>(searchAddress);
  if (GetDlgCtrlID(window) != search.id) return TRUE;
  search.found = window;
  return FALSE;
}

WPARAM Command(int id, int notification) {
  return MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(notification));
}

// The file-name box of the open and save dialogs: a combo box, or an edit in older layouts.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;
constexpr Timeout kFolderSettle = 700ms;
// One name as it is; several each in quotes, as the dialog takes a multiple choice.
std::string FileNameBoxText(const std::vector<std::string>& fileNames) {
  if (fileNames.size() == 1) return fileNames.front();
  std::string text;
  for (const std::string& name : fileNames) text += (text.empty() ? "\"" : " \"") + name + "\"";
  return text;
}

// The text of a message box.
constexpr int kMessageBoxText = 0xFFFF;

}  // namespace

bool ParseDriverSettings(const std::vector<std::string>& arguments) {
  const std::pair<std::string_view, std::string*> options[] = {
      {"--kadrex=", &settings.kadrex},
      {"--screenshots=", &settings.screenshots},
      {"--work=", &settings.work},
  };
  for (const std::string& argument : arguments) {
    bool known = false;
    for (const auto& [prefix, value] : options) {
      if (argument.starts_with(prefix)) {
        *value = argument.substr(prefix.size());
        known = true;
      }
    }
    if (!known) return false;
  }
  return !settings.kadrex.empty() && !settings.screenshots.empty() && !settings.work.empty();
}

const DriverSettings& Settings() { return settings; }

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  std::string narrow(
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(),
                      static_cast<int>(narrow.size()), nullptr, nullptr);
  return narrow;
}

std::string ScenarioFolder(std::string_view scenario) {
  const std::filesystem::path folder =
      std::filesystem::path(Widen(settings.work)) / Widen(scenario);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder, ignored);
  return Narrow(folder.wstring());
}

bool WaitUntil(const std::function<bool()>& condition, Timeout timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

HWND WaitForWindow(const Process& process, std::string_view title, Timeout timeout,
                   const wchar_t* windowClass) {
  WindowSearch search{process.Id(), Widen(title), windowClass};
  WaitUntil(
      [&] {
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout);
  return search.found;
}

HWND WaitForDialog(const Process& process, std::string_view title, Timeout timeout) {
  return WaitForWindow(process, title, timeout, L"#32770");
}

bool WaitUntilClosed(HWND window, Timeout timeout) {
  return WaitUntil([window] { return !IsWindow(window); }, timeout);
}

HWND FindControl(HWND window, int id) {
  ControlSearch search{id};
  if (window != nullptr) EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ClickButton(HWND button) {
  return button != nullptr &&
         Post(GetParent(button), WM_COMMAND, Command(GetDlgCtrlID(button), BN_CLICKED),
              reinterpret_cast<LPARAM>(button));
}

bool MoveTrackBar(HWND trackBar, int position) {
  if (trackBar == nullptr || !Send(trackBar, TBM_SETPOS, TRUE, position)) return false;
  const HWND parent = GetParent(trackBar);
  const auto bar = reinterpret_cast<LPARAM>(trackBar);
  return Post(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), bar) &&
         Post(parent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), bar);
}

bool TypeText(HWND edit, std::string_view text) {
  const std::wstring wide = Widen(text);
  const auto done = edit == nullptr
                        ? std::nullopt
                        : Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  return done && *done == TRUE;
}

bool ChooseMenuItem(HWND owner, int item) { return Post(owner, WM_COMMAND, Command(item, 0), 0); }

bool RequestClose(HWND window) { return Post(window, WM_CLOSE, 0, 0); }

bool AnswerFileDialogIn(const Process& process, std::string_view title, const std::string& folder,
                        const std::vector<std::string>& fileNames, Timeout timeout) {
  const HWND dialog = WaitForDialog(process, title, timeout);
  HWND nameBox = FindControl(dialog, kFileNameCombo);
  if (nameBox == nullptr) nameBox = FindControl(dialog, kFileNameEdit);
  const auto pressOk = [&] {
    return Post(dialog, WM_COMMAND, Command(IDOK, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  };
  // A folder typed into the name box and confirmed opens it and empties the box; when
  // the dialog shows that folder already, the box keeps the text.
  if (!folder.empty()) {
    if (!TypeText(nameBox, folder) || !pressOk()) return false;
    WaitUntil([&] { return ControlText(nameBox).value_or(folder).empty(); }, kFolderSettle);
    // The dialog lists the new folder after emptying the box; names typed before are lost.
    Sleep(static_cast<DWORD>(kFolderSettle.count()));
  }
  return TypeText(nameBox, FileNameBoxText(fileNames)) && pressOk() &&
         WaitUntilClosed(dialog, timeout);
}

bool AnswerFileDialog(const Process& process, std::string_view title,
                      const std::vector<std::string>& fileNames, Timeout timeout) {
  return AnswerFileDialogIn(process, title, "", fileNames, timeout);
}

std::optional<std::string> CloseMessageBox(const Process& process, std::string_view caption,
                                           Timeout timeout, int button) {
  const HWND box = WaitForDialog(process, caption, timeout);
  std::optional<std::string> text = ControlText(FindControl(box, kMessageBoxText));
  // The box is gone before the next step, so that step cannot find it instead of its own.
  if (!text ||
      !Post(box, WM_COMMAND, Command(button, BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(box, button))) ||
      !WaitUntilClosed(box, timeout)) {
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> ControlText(HWND control) {
  if (control == nullptr) return std::nullopt;
  const auto length = Send(control, WM_GETTEXTLENGTH, 0, 0);
  if (!length) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
  const auto copied = Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied) return std::nullopt;
  text.resize(static_cast<std::size_t>(*copied));
  return Narrow(text);
}

std::optional<int> TrackBarPosition(HWND trackBar) {
  const auto position = trackBar == nullptr ? std::nullopt : Send(trackBar, TBM_GETPOS, 0, 0);
  if (!position) return std::nullopt;
  return static_cast<int>(*position);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

std::optional<COLORREF> ScreenPixel(HWND control, int x, int y) {
  POINT point{x, y};
  if (control == nullptr || !ClientToScreen(control, &point)) return std::nullopt;
  // Read through the screen's DC: that of a window in another process sees nothing here.
  const WindowDc screen(nullptr);
  const COLORREF colour =
      screen.Get() == nullptr ? CLR_INVALID : GetPixel(screen.Get(), point.x, point.y);
  if (colour == CLR_INVALID) return std::nullopt;
  return colour;
}

}  // namespace kadrex::e2e
