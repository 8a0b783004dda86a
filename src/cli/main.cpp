// zelvora-cli: the handicapping core without a display. The service commands run in a program of
// their own (service_program.h), so the others start without loading the network and settings
// libraries.
#include "command_line.h"
#include "commands.h"
#include "service_program.h"

namespace {

using namespace zv::cli;

int catalogue(CliContext& ctx) { return runInServiceProgram("catalogue", ctx); }
int download(CliContext& ctx) { return runInServiceProgram("download", ctx); }

constexpr Command kCommands[] = {
    {"races", "races", cmdRaces},
    {"race-name", "race-name R", cmdRaceName},
    {"open", "open ARCHIVE", cmdOpen},
    {"show", "show R [--json] [--sort-column C]", cmdShow},
    {"betlines", "betlines R --out FILE", cmdBetlines},
    {"kmi", "kmi OUT [--race R]", cmdKmi},
    {"detail", "detail R N [--json]", cmdDetail},
    {"idx", "idx OUT", cmdIdx},
    {"csv", "csv [--yes]", cmdCsv},
    {"demo", "demo [--seed N] [--keep-existing] [DIR]", cmdDemo},
    {"season", "season DIR [--days N] [--seed S]", cmdSeason},
    {"report", "report [--json] [--csv FILE] PATH...", cmdReport},
    {"catalogue", kCatalogueUsage, catalogue},
    {"download", kDownloadUsage, download},
};

}  // namespace

int main(int argc, char** argv) { return runCommandLine(argc, argv, kCommands); }
