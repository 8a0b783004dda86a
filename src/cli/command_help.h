// What `zelvora-cli --help` and `zelvora-cli COMMAND --help` print: one line on each command and
// on each of its options, in Japanese. The man page (packaging/zelvora-cli.1) and the bash
// completion (packaging/zelvora-cli.bash) say the same; a test keeps them in step.
#pragma once

#include <span>
#include <string_view>

namespace zv::cli {

struct OptionHelp {
    std::string_view option;  // as typed, with its value: "--sort-column C"
    std::string_view text;
};

struct CommandHelp {
    std::string_view name;
    std::string_view summary;
    std::span<const OptionHelp> options;
    bool serviceOptions = false;  // takes the service options as well
};

// Help on every command of both programs, in the order the usage lists them.
std::span<const CommandHelp> commandHelp();

// The options of the commands that talk to the data service.
std::span<const OptionHelp> serviceOptionHelp();

// The help of the command named name; nothing for an unknown name.
const CommandHelp* findCommandHelp(std::string_view name);

}  // namespace zv::cli
