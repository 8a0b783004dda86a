// Runs one command of the command-line program in the test's own process, with its output and
// errors caught in strings.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace zv::fixture {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runCommand(int (*command)(cli::CliContext&), const std::filesystem::path& dataFolder,
                      std::vector<std::string> args);

}  // namespace zv::fixture
