// One command-line command as the command table declares it: the parser, --help, the man page and
// the bash completion are all made from these declarations.
#pragma once

#include <span>
#include <string_view>

#include "cli_context.h"

namespace zv::cli {

// What the shell offers when completing an option's value or a command's other arguments.
enum class Completion { Nothing, Files, Folders, Archives, Choices };

struct OptionSpec {
    std::string_view option;  // as typed, with the name of its value when it takes one: "--sort-column C"
    std::string_view text;    // its line of help
    Completion values = Completion::Nothing;
    std::string_view choices = {};  // the values offered, with Completion::Choices

    // The name the parser matches: the first word starting "--" ("-h, --help" gives "--help").
    std::string_view name() const;
    bool takesValue() const;
};

struct Command {
    std::string_view name;
    std::string_view usage;    // after "zelvora-cli "
    std::string_view summary;  // one line of help
    std::span<const OptionSpec> options;
    Completion operands = Completion::Nothing;  // what the arguments that are no option are
    int (*run)(CliContext&) = nullptr;
    bool serviceOptions = false;    // takes the data service's options as well
    std::string_view manText = {};  // said in the man page beside the summary

    // The option named name ("--out") among its own and the service options, or nothing.
    const OptionSpec* findOption(std::string_view name) const;
    bool takesValue(std::string_view name) const;
};

// The options every command takes, and the options of the commands that talk to the data service.
std::span<const OptionSpec> commonOptions();
std::span<const OptionSpec> serviceOptions();

// The command named name, or nothing.
const Command* findCommand(std::span<const Command> commands, std::string_view name);

// Sorts a command's arguments by its options: the others go to ctx.args in order, the options
// to ctx.options. Throws UsageError for an unknown or repeated option or a missing value.
void parseArguments(const Command& command, const std::vector<std::string>& args, CliContext& ctx);

}  // namespace zv::cli
