#include "app/shell_commands.h"

#include <string>

#include "converter/main_menu.h"

namespace kadrex {

namespace {

// The project's web address, until it has a home page of its own.
constexpr const char* kProjectWebAddress = "https://kadrex.example.org";

}  // namespace

void RegisterShellCommands(Program& program) {
  Dispatcher& dispatcher = program.dispatcher;
  dispatcher.OnMenuItem(kAboutItem, [&program] {
    program.gui.ShowMessage("О программе",
                            std::string("Kadrex — разработчики Kadrex, ") + kProjectWebAddress);
  });
  // Ending the loop is the one way out: everything the program holds is released
  // on the way back from RunKadrex, and the process ends with exit code 0.
  const auto shutdown = [&program] { program.running = false; };
  dispatcher.OnMenuItem(kExitItem, shutdown);
  dispatcher.OnClose(shutdown);
}

}  // namespace kadrex
