// The table of every zelvora-cli command, in the order the help lists them. The service commands'
// handler starts the service program, which runs them with handlers of its own.
#pragma once

#include <span>

#include "command.h"

namespace zv::cli {

std::span<const Command> commandTable();

}  // namespace zv::cli
