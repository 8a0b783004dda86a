// Runs one command of the command-line program in the test's own process, its arguments parsed by
// the command table as the program parses them, with its output and errors caught in strings.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zv::fixture {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

// Throws what the command throws (cli::UsageError for a wrong command line, zv::Error).
CommandRun runCommand(std::string_view command, const std::filesystem::path& dataFolder,
                      const std::vector<std::string>& args);

}  // namespace zv::fixture
