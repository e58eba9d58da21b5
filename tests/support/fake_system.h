#pragma once

#include <set>
#include <string>

#include "memory_registry.h"
#include "platform/system.h"

namespace kadrex::test {

// System services on the real file system of the test host, with a temporary folder of
// the test's choosing, files that can be marked as held open for writing, and Latin-1
// standing in for the ANSI code page.
class FakeSystem : public System {
 public:
  std::string ProgramPath() override { return programPath; }
  bool InstanceAlreadyRunning(const std::string& name) override;
  std::string TempFolder() override { return tempFolder; }
  bool FolderListable(const std::string& folder) override;
  bool CreateFolder(const std::string& folder) override;
  bool RemoveFile(const std::string& path) override;
  bool ReadFileSharingReadOnly(const std::string& path, std::string& bytes) override;
  std::string AnsiToUtf8(const std::string& text) override;
  bool PathExists(const std::string& path) override;
  Registry& LocalRegistry() override { return registry; }

  MemoryRegistry registry;
  std::string programPath = "C:\\Tools\\Kadrex.exe";
  std::string tempFolder;
  std::set<std::string> runningInstances;
  std::set<std::string> heldForWriting;
  std::set<std::string> createdFolders;
  std::set<std::string> removedFiles;
};

}  // namespace kadrex::test
