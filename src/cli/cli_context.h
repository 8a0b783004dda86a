// What every zelvora-cli command gets: its arguments, the output streams (tests redirect them)
// and the data folder.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/store.h"

namespace zv::cli {

struct CliContext {
    CliContext(std::ostream& out, std::ostream& err, std::optional<std::filesystem::path> dataDirOption = {})
        : out(out), err(err), dataDirOption(std::move(dataDirOption)) {}

    std::vector<std::string> args;  // the command's arguments that are no option, in order
    std::ostream& out;
    std::ostream& err;
    std::optional<std::filesystem::path> dataDirOption;       // --data-dir
    std::string_view command;                                 // the command's name
    std::map<std::string, std::string, std::less<>> options;  // the options given: name to value ("" for a flag)

    // The value of the option named name ("--out"), when given.
    std::optional<std::string> option(std::string_view name) const;
    // Whether the flag named name ("--json") is given.
    bool flag(std::string_view name) const { return options.contains(name); }

    // The data folder (created on first use).
    std::filesystem::path dataFolder() const;
    // The data set of the data folder, or with --day the kept day of the library; throws zv::Error
    // with a clear message when there is none.
    RaceDataStore loadStore() const;
    // Race index argument checked against the store; throws zv::Error when out of range.
    int raceArg(const RaceDataStore& store, const std::string& text) const;
};

// Thrown for a wrong command line, with a UTF-8 message; the program prints it and the usage
// and ends with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A date given as YYYYMMDD; throws UsageError otherwise.
int dayArg(const std::string& text);

// A message for the terminal: the CR LF line ends of message boxes turned into LF.
std::string terminalText(const std::string& text);

}  // namespace zv::cli
