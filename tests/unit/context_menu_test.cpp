#include "shell/context_menu_entry.h"

#include <gtest/gtest.h>

#include "converter/main_menu.h"
#include "memory_registry.h"
#include "program_harness.h"

namespace kadrex {
namespace {

const std::string kEntry = std::string("*\\Shell\\") + kContextMenuTitle;

TEST(ContextMenuEntry, CreateWritesTheCommandNamingTheRunningProgram) {
  test::MemoryRegistry registry;
  ASSERT_TRUE(CreateContextMenuEntry(registry, kContextMenuTitle, "D:\\Tools\\Kadrex.exe"));
  const auto* command = registry.Find(kEntry + "\\command");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->defaultValue, "\"D:\\Tools\\Kadrex.exe\"\"%1\"");
  // A second time rewrites the value.
  ASSERT_TRUE(CreateContextMenuEntry(registry, kContextMenuTitle, "E:\\Other Name.exe"));
  EXPECT_EQ(command->defaultValue, "\"E:\\Other Name.exe\"\"%1\"");
  EXPECT_EQ(registry.openKeys, 0);
}

TEST(ContextMenuEntry, RemoveDeletesTheWholeEntryAndNothingElse) {
  test::MemoryRegistry registry;
  registry.CreateKey(Registry::kClassesRoot, "*\\Shell\\Other\\command");
  const auto before = registry.AllPaths();
  CreateContextMenuEntry(registry, kContextMenuTitle, "C:\\Kadrex.exe");
  for (const char* extra : {"\\a\\b\\c", "\\a\\d", "\\z", "\\command\\deeper"}) {
    registry.CreateKey(Registry::kClassesRoot, kEntry + extra);
  }
  EXPECT_TRUE(RemoveContextMenuEntry(registry, kContextMenuTitle));
  EXPECT_EQ(registry.AllPaths(), before);
  EXPECT_EQ(registry.openKeys, 0);
  EXPECT_FALSE(RemoveContextMenuEntry(registry, kContextMenuTitle));
  EXPECT_EQ(registry.AllPaths(), before);
}

TEST(ContextMenuEntry, UndeletableSubKeyEndsTheRemoval) {
  test::MemoryRegistry registry;
  CreateContextMenuEntry(registry, kContextMenuTitle, "C:\\Kadrex.exe");
  registry.CreateKey(Registry::kClassesRoot, kEntry + "\\locked\\inner");
  registry.Find(kEntry + "\\locked")->undeletable = true;
  EXPECT_FALSE(RemoveContextMenuEntry(registry, kContextMenuTitle));
  EXPECT_NE(registry.Find(kEntry + "\\locked"), nullptr);
  EXPECT_EQ(registry.Find(kEntry + "\\locked\\inner"), nullptr);
  EXPECT_EQ(registry.openKeys, 0);
}

TEST(ContextMenuEntry, EmptyPathNeverDeletesTheParent) {
  test::MemoryRegistry registry;
  registry.CreateKey(Registry::kClassesRoot, "*\\Shell");
  EXPECT_FALSE(DeleteKeyTree(registry, Registry::kClassesRoot, ""));
  EXPECT_NE(registry.Find("*\\Shell"), nullptr);
}

TEST(ContextMenuCommands, ConfirmOnSuccessOnly) {
  test::ProgramHarness harness;
  harness.system.programPath = "C:\\Program Files\\Kadrex\\Kadrex.exe";
  harness.Choose(kRemoveContextMenuItem);
  EXPECT_TRUE(harness.gui.messages.empty());
  harness.Choose(kCreateContextMenuItem);
  harness.Choose(kRemoveContextMenuItem);
  ASSERT_EQ(harness.gui.messages.size(), 2u);
  EXPECT_EQ(harness.gui.messages[0].caption, "Информация");
  EXPECT_EQ(harness.gui.messages[0].text, "Контекстное меню создано!");
  EXPECT_EQ(harness.gui.messages[1].text, "Контекстное меню удалено!");
}

}  // namespace
}  // namespace kadrex
