#pragma once

#include <string>

#include "platform/registry.h"

namespace kadrex {

// Windows system and file services as the program needs them. Paths are UTF-8.
class System {
 public:
  virtual ~System() = default;

  // The running program's full path as the system reports it.
  virtual std::string ProgramPath() = 0;
  // Creates the named semaphore that marks a running copy (initial count 0, maximum 1,
  // local namespace) and keeps it for the life of the process. True when one of that
  // name existed already; its handle is then closed again.
  virtual bool InstanceAlreadyRunning(const std::string& name) = 0;

  // The folder the system names for temporary files, in its long form, ending in "\".
  virtual std::string TempFolder() = 0;
  // True when a listing of the folder's entries ("*.*") can be started.
  virtual bool FolderListable(const std::string& folder) = 0;
  // Creates one folder; the folders above it must exist.
  virtual bool CreateFolder(const std::string& folder) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // True when a file or folder of that name exists.
  virtual bool PathExists(const std::string& path) = 0;
  // Reads a whole file opened for reading with read sharing only, so that a file
  // another program still holds open for writing is not read.
  virtual bool ReadFileSharingReadOnly(const std::string& path, std::string& bytes) = 0;
  // 8-bit text in the system's ANSI code page, as UTF-8.
  virtual std::string AnsiToUtf8(const std::string& text) = 0;

  // The registry of the local computer.
  virtual Registry& LocalRegistry() = 0;
};

}  // namespace kadrex
