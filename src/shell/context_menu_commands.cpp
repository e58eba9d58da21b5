#include "shell/context_menu_commands.h"

#include "shell/context_menu_entry.h"

namespace kadrex {

namespace {

constexpr const char* kConfirmationCaption = "Информация";

}  // namespace

void CreateContextMenuCommand(Gui& gui, System& system) {
  if (CreateContextMenuEntry(system.LocalRegistry(), kContextMenuTitle, system.ProgramPath())) {
    gui.ShowMessage(kConfirmationCaption, "Контекстное меню создано!");
  }
}

void RemoveContextMenuCommand(Gui& gui, System& system) {
  if (RemoveContextMenuEntry(system.LocalRegistry(), kContextMenuTitle)) {
    gui.ShowMessage(kConfirmationCaption, "Контекстное меню удалено!");
  }
}

}  // namespace kadrex
