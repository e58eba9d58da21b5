#pragma once

#include <string>

#include "platform/registry.h"

namespace kadrex {

// The Explorer context-menu entry for files of every type: a key named after the menu
// text under HKEY_CLASSES_ROOT\*\Shell, whose command sub-key starts the program.
inline constexpr const char* kContextMenuTitle = "ИЗМЕНИТЬ ПАРАМЕТРЫ ФОТО";

// The command Explorer runs: the running program's full path in quotes, then the clicked
// file's path in quotes, with no blank between them.
std::string ContextMenuCommand(const std::string& programPath);

// Creates (or rewrites) the entry; true once the command key could be opened for the write.
bool CreateContextMenuEntry(Registry& registry, const std::string& title,
                            const std::string& programPath);

// Deletes the entry with everything below it; true when the key was deleted.
bool RemoveContextMenuEntry(Registry& registry, const std::string& title);

// Deletes a key and all its sub-keys, deepest first. An empty path fails at once, so the
// parent itself is never deleted; a sub-key tree that cannot be deleted ends it with false.
bool DeleteKeyTree(Registry& registry, Registry::Key parent, const std::string& path);

}  // namespace kadrex
