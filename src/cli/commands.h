// The handlers of the zelvora-cli commands, one file each; the command table (command_table.h)
// declares their names, usages and options. Every handler returns the exit status; a zv::Error
// or UsageError it throws is reported by the program.
#pragma once

#include "cli_context.h"

namespace zv::cli {

int cmdRaces(CliContext& ctx);
int cmdRaceName(CliContext& ctx);
int cmdOpen(CliContext& ctx);
int cmdShow(CliContext& ctx);
int cmdBetlines(CliContext& ctx);
int cmdKmi(CliContext& ctx);
int cmdDemo(CliContext& ctx);
int cmdDetail(CliContext& ctx);
int cmdIdx(CliContext& ctx);
int cmdCsv(CliContext& ctx);
int cmdSeason(CliContext& ctx);
int cmdReport(CliContext& ctx);
int cmdLibrary(CliContext& ctx);
int cmdHorse(CliContext& ctx);
int cmdMark(CliContext& ctx);
int cmdMarks(CliContext& ctx);
int cmdNote(CliContext& ctx);

// The service commands; they run in the service program (service_program.h).
int cmdCatalogue(CliContext& ctx);
int cmdDownload(CliContext& ctx);

}  // namespace zv::cli
