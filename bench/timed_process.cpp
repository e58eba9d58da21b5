#include "timed_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace kadrex::bench {

namespace {

bool IsScript(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char first = 0;
  char second = 0;
  return file.get(first) && file.get(second) && first == '#' && second == '!';
}

class SpawnActions {
 public:
  SpawnActions() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  const posix_spawn_file_actions_t* Get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const std::string candidate = folder + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0 && !IsScript(candidate)) return candidate;
  }
  return {};
}

std::optional<double> RunTimed(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  const SpawnActions actions;
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], actions.Get(), nullptr, argv.data(), environ) != 0) {
    return std::nullopt;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return std::chrono::duration<double>(end - start).count();
}

}  // namespace kadrex::bench
