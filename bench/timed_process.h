#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kadrex::bench {

// The first executable called name on PATH, passing over scripts: a wrapper in front
// of a tool would add its own start-up to the tool's time. Empty when there is none.
std::string FindProgram(const std::string& name);

// Runs command[0] with the rest as its arguments and with its standard streams on
// /dev/null, the way a shell would start it; the wall-clock seconds from spawn to exit,
// or nothing when it could not start or did not exit with 0.
std::optional<double> RunTimed(const std::vector<std::string>& command);

}  // namespace kadrex::bench
