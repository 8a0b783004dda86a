// Starting the service program for a service command of zelvora-cli.
#pragma once

#include "cli_context.h"

namespace zv::cli {

inline constexpr const char* kServiceProgram = "zelvora-cli-service";

// Replaces this process with the service program running ctx's command with its arguments, options
// and data folder option; returns (1, the reason on stderr) only when the program cannot be started.
int runInServiceProgram(CliContext& ctx);

}  // namespace zv::cli
