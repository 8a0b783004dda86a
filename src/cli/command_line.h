// The entry both command-line programs share: --data-dir, the command table, the usage and the
// reporting of errors, always under the name zelvora-cli.
#pragma once

#include <span>
#include <string_view>

#include "cli_context.h"

namespace zv::cli {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(CliContext&);
};

// Runs the command argv names from commands; returns the exit status (2 for a wrong command line).
int runCommandLine(int argc, char** argv, std::span<const Command> commands);

}  // namespace zv::cli
