#pragma once

#include <string>

namespace kadrex {

// Parts of a path, split at the last "\" or "/".
// Folder part: up to and including the last separator; empty when there is none.
std::string FolderPart(const std::string& path);
// File part: after the last separator, or the whole path.
std::string FilePart(const std::string& path);
// Text after the last "." of the file part, without the "."; empty when it has none.
std::string ExtensionPart(const std::string& path);

}  // namespace kadrex
