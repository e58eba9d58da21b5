#pragma once

#include "platform/system.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_registry.h"

namespace kadrex::win32 {

// The system and file services on Win32. Paths go through the wide functions.
class Win32System final : public System {
 public:
  std::string ProgramPath() override;
  bool InstanceAlreadyRunning(const std::string& name) override;

  std::string TempFolder() override;
  bool FolderListable(const std::string& folder) override;
  bool CreateFolder(const std::string& folder) override;
  bool RemoveFile(const std::string& path) override;
  bool PathExists(const std::string& path) override;
  bool ReadFileSharingReadOnly(const std::string& path, std::string& bytes) override;
  std::string AnsiToUtf8(const std::string& text) override;

  Registry& LocalRegistry() override { return registry_; }

 private:
  Win32Registry registry_;
  // The running copy's marker; held until the process ends.
  UniqueKernelHandle instanceSemaphore_;
};

}  // namespace kadrex::win32
