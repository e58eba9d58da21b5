#pragma once

#include <string>

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
};

}  // namespace kadrex
