// The man page and the bash completion of zelvora-cli, made from the command table when the
// program is built (cli_docs_main.cpp writes them).
#pragma once

#include <span>
#include <string>

#include "command.h"

namespace zv::cli {

std::string manPage(std::span<const Command> commands);
std::string bashCompletion(std::span<const Command> commands);

}  // namespace zv::cli
