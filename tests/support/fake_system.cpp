#include "fake_system.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kadrex::test {

bool FakeSystem::InstanceAlreadyRunning(const std::string& name) {
  return !runningInstances.insert(name).second;
}

bool FakeSystem::FolderListable(const std::string& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

bool FakeSystem::CreateFolder(const std::string& folder) {
  createdFolders.insert(folder);
  std::error_code error;
  return std::filesystem::create_directory(folder, error);
}

bool FakeSystem::RemoveFile(const std::string& path) {
  removedFiles.insert(path);
  std::error_code error;
  return std::filesystem::remove(path, error);
}

bool FakeSystem::PathExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool FakeSystem::ReadFileSharingReadOnly(const std::string& path, std::string& bytes) {
  if (heldForWriting.contains(path)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

std::string FakeSystem::AnsiToUtf8(const std::string& text) {
  std::string utf8;
  for (const unsigned char c : text) {
    if (c < 0x80) {
      utf8.push_back(static_cast<char>(c));
    } else {
      utf8.push_back(static_cast<char>(0xC0 | c >> 6));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace kadrex::test
