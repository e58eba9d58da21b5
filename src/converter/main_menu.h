#pragma once

#include "platform/gui.h"

namespace kadrex {

// Items of the main menu; the save-as menu continues the numbering with 6 to 9.
inline constexpr int kMainMenu = 0;
inline constexpr int kOpenFilesItem = 1;
inline constexpr int kCreateContextMenuItem = 2;
inline constexpr int kRemoveContextMenuItem = 3;
inline constexpr int kAboutItem = 4;
inline constexpr int kExitItem = 5;

void CreateMainMenu(Gui& gui, int window);

}  // namespace kadrex
