#include "platform/win32/text_encoding.h"
#include "platform/win32/win32_gui.h"

namespace kadrex::win32 {

namespace {

// A new popup drawn on the menu style's background.
HMENU CreateStyledPopup(HBRUSH background) {
  const HMENU popup = ::CreatePopupMenu();
  if (popup == nullptr) return nullptr;
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = background;
  SetMenuInfo(popup, &info);
  return popup;
}

}  // namespace

Win32Gui::ProgramMenu* Win32Gui::FindMenu(int menu) {
  const auto found = menus_.find(menu);
  return found == menus_.end() ? nullptr : &found->second;
}

void Win32Gui::DiscardMenu(int menu) {
  const auto found = menus_.find(menu);
  if (found == menus_.end()) return;
  // A bar still attached would be destroyed with its window as well.
  const HWND owner = WindowHandle(found->second.window);
  if (owner != nullptr && GetMenu(owner) == found->second.handle.Get()) SetMenu(owner, nullptr);
  menus_.erase(found);
}

bool Win32Gui::CreateMenuOfWindow(int menu, int window, bool bar) {
  const HWND owner = WindowHandle(window);
  if (owner == nullptr) return false;
  DiscardMenu(menu);
  UniqueMenu created(bar ? CreateMenu() : CreateStyledPopup(menuStyle_.Background()));
  if (!created) return false;
  // A bar is attached at once and takes its height out of the client area as titles come.
  if (bar && !SetMenu(owner, created.Get())) return false;
  ProgramMenu& added = menus_[menu];
  added.handle = std::move(created);
  added.window = window;
  added.bar = bar;
  return true;
}

bool Win32Gui::CreateMenuBar(int menu, int window) {
  return CreateMenuOfWindow(menu, window, true);
}

bool Win32Gui::CreatePopupMenu(int menu, int window) {
  return CreateMenuOfWindow(menu, window, false);
}

HMENU Win32Gui::CurrentPopup(ProgramMenu& menu) const {
  return menu.open.empty() ? menu.handle.Get() : menu.open.back();
}

bool Win32Gui::AppendEntry(ProgramMenu& menu, UINT flags, UINT_PTR item, MenuEntry entry) {
  const HMENU target = CurrentPopup(menu);
  // Whatever sits on the bar itself stays drawn by the system, which keeps the bar's
  // height its own.
  if (menu.bar && target == menu.handle.Get()) {
    const BOOL appended = entry.separator
                              ? AppendMenuW(target, MF_SEPARATOR, 0, nullptr)
                              : AppendMenuW(target, flags | MF_STRING, item, entry.text.c_str());
    DrawMenuBar(WindowHandle(menu.window));
    return appended != FALSE;
  }
  const MenuEntry& kept = menu.entries.emplace_back(std::move(entry));
  return AppendMenuW(target, flags | MF_OWNERDRAW | (kept.separator ? MF_SEPARATOR : 0), item,
                     reinterpret_cast<const wchar_t*>(&kept)) != FALSE;
}

void Win32Gui::AddMenuTitle(int menu, const std::string& text) {
  ProgramMenu* target = FindMenu(menu);
  if (target == nullptr || !target->bar) return;
  const HMENU popup = CreateStyledPopup(menuStyle_.Background());
  if (popup == nullptr) return;
  target->open.clear();
  target->titleOpen = false;
  // Once appended, the popup is destroyed with the bar.
  if (!AppendEntry(*target, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                   MenuEntry{Utf8ToWide(text), false})) {
    DestroyMenu(popup);
    return;
  }
  target->open.push_back(popup);
  target->titleOpen = true;
}

void Win32Gui::AddMenuItem(int menu, int item, const std::string& text) {
  ProgramMenu* target = FindMenu(menu);
  if (target == nullptr) return;
  AppendEntry(*target, 0, static_cast<UINT_PTR>(item), MenuEntry{Utf8ToWide(text), false});
}

void Win32Gui::OpenSubmenu(int menu, const std::string& text) {
  ProgramMenu* target = FindMenu(menu);
  if (target == nullptr) return;
  const HMENU submenu = CreateStyledPopup(menuStyle_.Background());
  if (submenu == nullptr) return;
  // Once appended, the submenu is destroyed with the menu that holds it.
  if (!AppendEntry(*target, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                   MenuEntry{Utf8ToWide(text), false})) {
    DestroyMenu(submenu);
    return;
  }
  target->open.push_back(submenu);
}

void Win32Gui::CloseSubmenu(int menu) {
  ProgramMenu* target = FindMenu(menu);
  // The popup of a title stays open for the items that follow the submenu.
  const std::size_t keptOpen = target == nullptr ? 0 : target->titleOpen ? 1 : 0;
  if (target != nullptr && target->open.size() > keptOpen) target->open.pop_back();
}

void Win32Gui::AddMenuSeparator(int menu) {
  ProgramMenu* target = FindMenu(menu);
  if (target != nullptr) AppendEntry(*target, 0, 0, MenuEntry{{}, true});
}

void Win32Gui::ShowPopupMenu(int menu, Point at) {
  ProgramMenu* target = FindMenu(menu);
  if (target == nullptr || target->bar) return;
  const HWND owner = WindowHandle(target->window);
  // In front, so that a click elsewhere closes the menu; the chosen item comes as a
  // WM_COMMAND to the owner. The empty message afterwards is the documented way to let
  // the menu close properly when the owner was not in front.
  SetForegroundWindow(owner);
  TrackPopupMenu(target->handle.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y,
                 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

bool Win32Gui::MeasureMenuEntry(HWND window, MEASUREITEMSTRUCT& measure) const {
  if (measure.CtlType != ODT_MENU || measure.itemData == 0) return false;
  menuStyle_.Measure(window, *reinterpret_cast<const MenuEntry*>(measure.itemData), measure);
  return true;
}

bool Win32Gui::DrawMenuEntry(const DRAWITEMSTRUCT& draw) const {
  if (draw.CtlType != ODT_MENU || draw.itemData == 0) return false;
  menuStyle_.Draw(*reinterpret_cast<const MenuEntry*>(draw.itemData), draw);
  return true;
}

}  // namespace kadrex::win32
