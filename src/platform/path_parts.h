#pragma once

#include <string>

namespace kadrex {

// The separator the program puts between a folder and a name. Windows takes "\\"; the
// native test build runs on a system that takes only "/".
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Parts of a path, split at the last "\" or "/".
// Folder part: up to and including the last separator; empty when there is none.
std::string FolderPart(const std::string& path);
// File part: after the last separator, or the whole path.
std::string FilePart(const std::string& path);
// Text after the last "." of the file part, without the "."; empty when it has none.
std::string ExtensionPart(const std::string& path);

}  // namespace kadrex
