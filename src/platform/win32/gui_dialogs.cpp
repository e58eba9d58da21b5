#include <algorithm>

#include "platform/win32/clipboard_picture.h"
#include "platform/win32/open_dialog_text.h"
#include "platform/win32/system_text.h"
#include "platform/win32/text_encoding.h"
#include "platform/win32/win32_gui.h"

namespace kadrex::win32 {

namespace {

// Room for tens of thousands of names at first. Windows reports a selection that does not
// fit, and the buffer then grows; Wine's dialog (8.0) copies the names without looking
// at the buffer's size, so there only a buffer this large keeps a large selection safe.
constexpr std::size_t kFirstNameBufferSize = 1024 * 1024;
constexpr std::size_t kLargestNameBufferSize = 16 * 1024 * 1024;
// A save dialog takes any path the system can open.
constexpr std::size_t kSaveNameBufferSize = 32768;
// The folder must exist, a typed name need not; the current folder stays.
constexpr DWORD kFileDialogFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

// What an open or save dialog shows, in the form it takes.
struct FileDialogTexts {
  FileDialogTexts(const std::string& title, const std::string& filter)
      : title(Utf8ToWide(title)), filters(DialogFilter(Utf8ToWide(filter))) {}
  std::wstring title;
  std::wstring filters;
};

OPENFILENAMEW DialogSettings(HWND owner, const FileDialogTexts& texts, int filterIndex,
                             std::vector<wchar_t>& names) {
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = texts.filters.empty() ? nullptr : texts.filters.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.lpstrTitle = texts.title.c_str();
  dialog.Flags = kFileDialogFlags;
  return dialog;
}

// While a dialog is up, every program window but its owner is disabled here; the dialog
// disables its owner itself and enables it again before it goes, so that the owner gets
// the activation back.
class OtherWindowsDisabled {
 public:
  OtherWindowsDisabled(const std::vector<HWND>& windows, HWND owner) {
    for (const HWND window : windows) {
      if (window != owner && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled_.push_back(window);
      }
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  ~OtherWindowsDisabled() {
    for (const HWND window : disabled_) EnableWindow(window, TRUE);
  }

 private:
  std::vector<HWND> disabled_;
};

// The current folder, put back when the scope ends whatever a dialog did to it.
class CurrentFolderKept {
 public:
  CurrentFolderKept()
      : folder_(FetchSystemText(
            [](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); })) {}
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;
  ~CurrentFolderKept() {
    if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
  }

 private:
  std::wstring folder_;
};

// The size an Explorer dialog asks for in the first character of a buffer that was too
// small; at least double the old size, since one character cannot hold every size.
std::size_t GrownNameBufferSize(const std::vector<wchar_t>& names) {
  const std::size_t asked = static_cast<std::size_t>(static_cast<WORD>(names[0])) + 1;
  return std::min(std::max(asked, names.size() * 2), kLargestNameBufferSize);
}

}  // namespace

std::vector<HWND> Win32Gui::WindowHandles() const {
  std::vector<HWND> handles;
  for (const auto& [number, window] : windows_) handles.push_back(window.handle.Get());
  return handles;
}

int Win32Gui::ProgramMessageBox(const std::string& caption, const std::string& text, UINT buttons) {
  const HWND owner = DialogOwner();
  const OtherWindowsDisabled disabled(WindowHandles(), owner);
  return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), buttons);
}

void Win32Gui::ShowMessage(const std::string& caption, const std::string& text) {
  ProgramMessageBox(caption, text, MB_OK);
}

bool Win32Gui::AskYesNo(const std::string& caption, const std::string& text) {
  return ProgramMessageBox(caption, text, MB_YESNO) == IDYES;
}

std::vector<std::string> Win32Gui::ChooseFilesToOpen(const std::string& title,
                                                     const std::string& filter, bool several) {
  const FileDialogTexts texts(title, filter);
  const HWND owner = DialogOwner();
  const CurrentFolderKept currentFolder;
  const OtherWindowsDisabled disabled(WindowHandles(), owner);

  std::vector<wchar_t> names(kFirstNameBufferSize, L'\0');
  for (;;) {
    OPENFILENAMEW dialog = DialogSettings(owner, texts, 1, names);
    dialog.Flags |= several ? OFN_ALLOWMULTISELECT : 0;
    if (GetOpenFileNameW(&dialog)) {
      std::vector<std::string> paths;
      for (const std::wstring& path : ChosenPaths({names.data(), names.size()}, several)) {
        paths.push_back(WideToUtf8(path));
      }
      return paths;
    }
    // A selection too large for the buffer is asked for again with room for it.
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL || names.size() >= kLargestNameBufferSize) {
      return {};
    }
    names.assign(GrownNameBufferSize(names), L'\0');
  }
}

std::string Win32Gui::ChooseFileToSave(const std::string& title, const std::string& defaultName,
                                       const std::string& filter, int filterIndex) {
  const FileDialogTexts texts(title, filter);
  const HWND owner = DialogOwner();
  const CurrentFolderKept currentFolder;
  const OtherWindowsDisabled disabled(WindowHandles(), owner);

  std::vector<wchar_t> name(kSaveNameBufferSize, L'\0');
  const std::wstring wideName = Utf8ToWide(defaultName);
  std::copy_n(wideName.begin(), std::min(wideName.size(), name.size() - 1), name.begin());
  // No default extension and no question before a file is replaced: the name comes back
  // as typed.
  OPENFILENAMEW dialog = DialogSettings(owner, texts, filterIndex, name);
  if (!GetSaveFileNameW(&dialog)) return {};
  return WideToUtf8(name.data());
}

bool Win32Gui::FetchClipboardPicture(Picture& picture) {
  return ReadClipboardPicture(DialogOwner(), picture);
}

}  // namespace kadrex::win32
