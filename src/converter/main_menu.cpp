#include "converter/main_menu.h"

namespace kadrex {

void CreateMainMenu(Gui& gui, int window) {
  if (!gui.CreateMenuBar(kMainMenu, window)) return;
  gui.AddMenuTitle(kMainMenu, "Файл");
  gui.AddMenuItem(kMainMenu, kOpenFilesItem, "Открыть Файл(ы)");
  gui.OpenSubmenu(kMainMenu, "Настройки");
  gui.AddMenuItem(kMainMenu, kCreateContextMenuItem, "Создать контекстное меню");
  gui.AddMenuItem(kMainMenu, kRemoveContextMenuItem, "Удалить контекстное меню");
  gui.CloseSubmenu(kMainMenu);
  gui.AddMenuSeparator(kMainMenu);
  gui.AddMenuItem(kMainMenu, kAboutItem, "О программе");
  gui.AddMenuItem(kMainMenu, kExitItem, "Выход");
}

}  // namespace kadrex
