// The zelvora-cli commands, one file each. Every command returns the exit status; a zv::Error or
// UsageError it throws is reported by main.
#pragma once

#include <string_view>

#include "cli_context.h"

namespace zv::cli {

int cmdRaces(CliContext& ctx);     // races
int cmdRaceName(CliContext& ctx);  // race-name R
int cmdOpen(CliContext& ctx);      // open ARCHIVE
int cmdShow(CliContext& ctx);      // show R [--json] [--sort-column C]
int cmdBetlines(CliContext& ctx);  // betlines R --out FILE
int cmdKmi(CliContext& ctx);       // kmi OUT [--race R]
int cmdDemo(CliContext& ctx);      // demo [--seed N] [--keep-existing] [DIR]
int cmdDetail(CliContext& ctx);    // detail R N [--json]
int cmdIdx(CliContext& ctx);       // idx OUT
int cmdCsv(CliContext& ctx);       // csv [--yes]
int cmdSeason(CliContext& ctx);    // season DIR [--days N] [--seed S]
int cmdReport(CliContext& ctx);    // report [--json] [--csv FILE] PATH...

// The service commands; they run in the service program (service_program.h).
int cmdCatalogue(CliContext& ctx);
int cmdDownload(CliContext& ctx);
inline constexpr std::string_view kCatalogueUsage = "catalogue [SERVICE OPTIONS]";
inline constexpr std::string_view kDownloadUsage = "download [SERVICE OPTIONS] [--yes] FILE...";

}  // namespace zv::cli
