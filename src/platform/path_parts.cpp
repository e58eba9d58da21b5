#include "platform/path_parts.h"

namespace kadrex {

namespace {

std::size_t FileStart(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string FolderPart(const std::string& path) { return path.substr(0, FileStart(path)); }

std::string FilePart(const std::string& path) { return path.substr(FileStart(path)); }

std::string ExtensionPart(const std::string& path) {
  const std::string file = FilePart(path);
  const std::size_t dot = file.rfind('.');
  return dot == std::string::npos ? std::string{} : file.substr(dot + 1);
}

}  // namespace kadrex
