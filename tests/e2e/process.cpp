#include <utility>

#include "driver.h"

namespace kadrex::e2e {

namespace {

// One argument as the C runtime splits a command line back: quoted when it holds a space,
// tab or quote; backslashes doubled before a quote, inner quotes escaped.
std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

constexpr DWORD kKillWaitMs = 5000;

}  // namespace

Process& Process::operator=(Process&& other) {
  Kill();
  handle_ = std::move(other.handle_);
  id_ = std::exchange(other.id_, 0);
  return *this;
}

Process::~Process() { Kill(); }

Process Process::Start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& folder) {
  const std::wstring application = Widen(program);
  std::wstring commandLine = QuoteArgument(application);
  for (const std::string& argument : arguments)
    commandLine += L" " + QuoteArgument(Widen(argument));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  Process process;
  if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Widen(folder).c_str(), &startup, &started)) {
    return process;
  }
  CloseHandle(started.hThread);
  process.handle_.reset(started.hProcess);
  process.id_ = started.dwProcessId;
  return process;
}

bool Process::Running() const {
  return Started() && WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForIdle(Timeout timeout) const {
  return Started() && WaitForInputIdle(handle_.get(), static_cast<DWORD>(timeout.count())) == 0;
}

std::optional<DWORD> Process::WaitForExit(Timeout timeout) {
  DWORD code = 0;
  if (!Started() ||
      WaitForSingleObject(handle_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(handle_.get(), &code)) {
    return std::nullopt;
  }
  return code;
}

void Process::Kill() {
  if (!Running()) return;
  TerminateProcess(handle_.get(), 1);
  WaitForSingleObject(handle_.get(), kKillWaitMs);
}

Process StartKadrex(const std::string& folder, const std::vector<std::string>& arguments) {
  return Process::Start(Settings().kadrex, arguments, folder);
}

}  // namespace kadrex::e2e
