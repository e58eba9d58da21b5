#include <gtest/gtest.h>

#include "scenario.h"

namespace kadrex::e2e {
namespace {

constexpr std::wstring_view kEntryKey = L"*\\Shell\\ИЗМЕНИТЬ ПАРАМЕТРЫ ФОТО";

// The default value of the entry's command key; nothing when the key is missing.
std::optional<std::wstring> CommandValue() {
  HKEY key = nullptr;
  const std::wstring path = std::wstring(kEntryKey) + L"\\command";
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  wchar_t value[2048] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  DWORD type = 0;
  const LSTATUS status =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(value);
}

bool EntryExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, std::wstring(kEntryKey).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

TEST(ContextMenu, CreateNamesTheRunningProgramAndRemoveDeletesIt) {
  // Started in a folder of its own, not the program's.
  RunningKadrex kadrex = StartAndWait(ScenarioFolder("context-menu"));
  ASSERT_NE(kadrex.converter, nullptr);
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kCreateContextMenuItem));
  EXPECT_EQ(CloseMessageBox(kadrex.process, "Информация"), "Контекстное меню создано!");
  const std::optional<std::wstring> command = CommandValue();
  ASSERT_TRUE(command);
  const std::wstring expected = L"\"" + Widen(Settings().kadrex) + L"\"\"%1\"";
  EXPECT_EQ(_wcsicmp(command->c_str(), expected.c_str()), 0) << Narrow(*command);
  // Again: the value is written anew and confirmed again.
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kCreateContextMenuItem));
  EXPECT_EQ(CloseMessageBox(kadrex.process, "Информация"), "Контекстное меню создано!");

  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kRemoveContextMenuItem));
  EXPECT_EQ(CloseMessageBox(kadrex.process, "Информация"), "Контекстное меню удалено!");
  EXPECT_FALSE(EntryExists());
  HKEY shell = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"*\\Shell", 0, KEY_READ, &shell), ERROR_SUCCESS);
  if (shell != nullptr) RegCloseKey(shell);
  // With nothing to remove nothing is said.
  ASSERT_TRUE(ChooseMenuItem(kadrex.converter, kRemoveContextMenuItem));
  EXPECT_EQ(WaitForDialog(kadrex.process, "Информация", 2s), nullptr);
  RequestClose(kadrex.converter);
  EXPECT_EQ(kadrex.process.WaitForExit(), 0u);
}

}  // namespace
}  // namespace kadrex::e2e
