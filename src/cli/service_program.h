// Starting the service program for a service command of zelvora-cli.
#pragma once

#include <string>

#include "cli_context.h"

namespace zv::cli {

inline constexpr const char* kServiceProgram = "zelvora-cli-service";

// Replaces this process with the service program running command with ctx's arguments and data
// folder option; returns (1, the reason on stderr) only when the program cannot be started.
int runInServiceProgram(const std::string& command, CliContext& ctx);

}  // namespace zv::cli
