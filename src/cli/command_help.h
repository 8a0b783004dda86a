// What `zelvora-cli --help` and `zelvora-cli COMMAND --help` print, in Japanese, and the usage
// printed after a wrong command line: all made from the command table.
#pragma once

#include <span>
#include <string>

#include "command.h"

namespace zv::cli {

std::string programHelp(std::span<const Command> commands);
std::string commandHelp(const Command& command);
std::string usageText(std::span<const Command> commands);

}  // namespace zv::cli
