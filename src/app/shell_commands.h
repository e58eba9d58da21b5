#pragma once

#include "app/program.h"

namespace kadrex {

// The commands the shell handles itself: the About box, Exit, and closing a window.
void RegisterShellCommands(Program& program);

}  // namespace kadrex
