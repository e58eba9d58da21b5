#pragma once

#include <string>

#include "platform/win32/handles.h"

namespace kadrex::win32 {

// One item of an owner-drawn menu as its drawing needs it. The menu keeps a pointer to it
// as the item's data, so it must not move while the menu lives.
struct MenuEntry {
  std::wstring text;
  bool separator = false;
};

// The flat look of the program's popup menus: a light background, a highlight bar under
// the selected item, the text in the system's menu font. The system draws the popups'
// borders and their submenu arrows.
class MenuStyle {
 public:
  MenuStyle();

  // For the background of every popup, so its margins match the items.
  HBRUSH Background() const { return background_.Get(); }
  void Measure(HWND owner, const MenuEntry& entry, MEASUREITEMSTRUCT& measure) const;
  void Draw(const MenuEntry& entry, const DRAWITEMSTRUCT& draw) const;

 private:
  HFONT Font() const;

  UniqueFont font_;
  UniqueBrush background_;
};

}  // namespace kadrex::win32
