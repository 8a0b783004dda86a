// What every zelvora-cli command gets: its arguments, the output streams (tests redirect them)
// and the data folder.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "data/store.h"

namespace zv::cli {

struct CliContext {
    std::vector<std::string> args;  // the command's own arguments, after the command name
    std::ostream& out;
    std::ostream& err;
    std::optional<std::filesystem::path> dataDirOption;  // --data-dir

    // The data folder (created on first use).
    std::filesystem::path dataFolder() const;
    // The data set of the data folder; throws zv::Error with a clear message when there is none.
    RaceDataStore loadStore() const;
    // Race index argument checked against the store; throws zv::Error when out of range.
    int raceArg(const RaceDataStore& store, const std::string& text) const;
};

// Thrown for a wrong command line; main prints the message and the usage.
struct UsageError {
    std::string message;  // UTF-8
};

// Option helpers over ctx.args: an "--name VALUE" pair is removed and its value returned.
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name);
bool takeFlag(std::vector<std::string>& args, const std::string& name);

// A CP932 message for the terminal: UTF-8, with the CR LF line ends of message boxes turned into LF.
std::string terminalText(const std::string& cp932);

}  // namespace zv::cli
