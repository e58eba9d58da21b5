#pragma once

#include "platform/gui.h"
#include "platform/system.h"

namespace kadrex {

// Menu items "Создать контекстное меню" and "Удалить контекстное меню": each confirms
// success in a message box and is silent on failure.
void CreateContextMenuCommand(Gui& gui, System& system);
void RemoveContextMenuCommand(Gui& gui, System& system);

}  // namespace kadrex
