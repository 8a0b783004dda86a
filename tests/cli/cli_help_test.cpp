// --help of the program and of each command, and the man page and bash completion that say the
// same: every command and option in the help table appears in all three.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <sys/wait.h>

#include "cli/command_help.h"
#include "support/files.h"

namespace zv::cli {
namespace {

struct ProgramRun {
    int status;
    std::string out;
};

ProgramRun runProgram(const std::string& args) {
    const std::string command = std::string(ZV_CLI_PROGRAM) + " " + args + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string readSource(const std::string& path) {
    return fixture::readFile(std::filesystem::path(ZV_SOURCE_DIR) / path);
}

// The option as typed, without its value: "--sort-column C" gives "--sort-column".
std::string optionName(std::string_view option) { return std::string(option.substr(0, option.find(' '))); }

TEST(CliHelp, TheProgramsHelpHasOneLineForEachCommandItRuns) {
    ProgramRun help = runProgram("--help");
    EXPECT_EQ(help.status, 0);
    // As many command lines as help entries: a command without help would show up here.
    const size_t from = help.out.find("コマンド:\n"), to = help.out.find("\n\n", from);
    ASSERT_NE(from, std::string::npos);
    const std::string commandLines = help.out.substr(from, to - from);
    EXPECT_EQ(static_cast<size_t>(std::count(commandLines.begin(), commandLines.end(), '\n')), commandHelp().size());
    for (const CommandHelp& command : commandHelp()) {
        EXPECT_NE(help.out.find("  " + std::string(command.name) + " "), std::string::npos) << command.name;
        EXPECT_NE(help.out.find(command.summary), std::string::npos) << command.name;
    }
}

TEST(CliHelp, EachCommandsHelpGivesItsUsageSummaryAndOptions) {
    for (const CommandHelp& command : commandHelp()) {
        ProgramRun help = runProgram(std::string(command.name) + " --help");
        EXPECT_EQ(help.status, 0) << command.name;
        EXPECT_EQ(help.out.rfind("使い方: zelvora-cli " + std::string(command.name), 0), 0u) << help.out;
        EXPECT_NE(help.out.find(command.summary), std::string::npos) << command.name;
        for (const OptionHelp& option : command.options) {
            EXPECT_NE(help.out.find(option.text), std::string::npos) << command.name << " " << option.option;
        }
        if (command.serviceOptions) {
            EXPECT_NE(help.out.find("--service-host URL"), std::string::npos);
        }
    }
}

TEST(CliHelp, AWrongCommandLineStillGetsTheUsageAndStatusTwo) {
    EXPECT_EQ(runProgram("").status, 2);
    EXPECT_EQ(runProgram("no-such-command --help").status, 2);
}

TEST(CliHelp, TheManPageAndTheCompletionNameEveryCommandAndOption) {
    const std::string manPage = readSource("packaging/zelvora-cli.1");
    const std::string completion = readSource("packaging/zelvora-cli.bash");
    ASSERT_FALSE(manPage.empty());
    ASSERT_FALSE(completion.empty());
    // The man page escapes every hyphen.
    auto inManPage = [&](std::string text) {
        for (size_t at = 0; (at = text.find('-', at)) != std::string::npos; at += 2) text.insert(at, "\\");
        return manPage.find(text) != std::string::npos;
    };
    auto check = [&](std::string_view command, std::span<const OptionHelp> options) {
        for (const OptionHelp& option : options) {
            const std::string name = optionName(option.option);
            EXPECT_TRUE(inManPage(name)) << command << " " << name;
            EXPECT_NE(completion.find(name), std::string::npos) << command << " " << name;
        }
    };
    for (const CommandHelp& command : commandHelp()) {
        EXPECT_TRUE(inManPage(std::string(command.name))) << command.name;
        EXPECT_NE(completion.find(command.name), std::string::npos) << command.name;
        check(command.name, command.options);
    }
    check("service", serviceOptionHelp());
}

}  // namespace
}  // namespace zv::cli
