// zelvora-cli: the handicapping core without a display.
#include <iostream>
#include <string_view>

#include "cli_context.h"
#include "commands.h"
#include "data/error.h"
#include "data/sjis.h"

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(zv::cli::CliContext&);
};

constexpr Command kCommands[] = {
    {"races", "races", zv::cli::cmdRaces},
    {"race-name", "race-name R", zv::cli::cmdRaceName},
    {"open", "open ARCHIVE", zv::cli::cmdOpen},
    {"show", "show R [--json] [--sort-column C]", zv::cli::cmdShow},
    {"betlines", "betlines R --out FILE", zv::cli::cmdBetlines},
    {"kmi", "kmi OUT [--race R]", zv::cli::cmdKmi},
    {"detail", "detail R N [--json]", zv::cli::cmdDetail},
    {"idx", "idx OUT", zv::cli::cmdIdx},
    {"csv", "csv [--yes]", zv::cli::cmdCsv},
    {"demo", "demo [--seed N] [--keep-existing] [DIR]", zv::cli::cmdDemo},
    {"catalogue", "catalogue [SERVICE OPTIONS]", zv::cli::cmdCatalogue},
    {"download", "download [SERVICE OPTIONS] [--yes] FILE...", zv::cli::cmdDownload},
};

void printUsage(std::ostream& err) {
    err << "usage: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\ncommands:\n";
    for (const Command& c : kCommands) err << "  " << c.usage << "\n";
    err << "service options: [--user ID --password-stdin] [--service-host URL] [--ca-file FILE] [--dir FOLDER]\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        zv::cli::CliContext ctx{{}, std::cout, std::cerr, {}};
        if (auto dir = zv::cli::takeOption(args, "--data-dir")) ctx.dataDirOption = *dir;
        if (args.empty() || args[0] == "--help" || args[0] == "-h") {
            printUsage(args.empty() ? std::cerr : std::cout);
            return args.empty() ? 2 : 0;
        }
        for (const Command& c : kCommands) {
            if (args[0] == c.name) {
                ctx.args.assign(args.begin() + 1, args.end());
                return c.run(ctx);
            }
        }
        throw zv::cli::UsageError{"unknown command: " + args[0]};
    } catch (const zv::cli::UsageError& e) {
        std::cerr << "zelvora-cli: " << e.message << "\n";
        printUsage(std::cerr);
        return 2;
    } catch (const zv::Error& e) {
        std::cerr << "zelvora-cli: " << zv::toUtf8(e.message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "zelvora-cli: " << e.what() << "\n";
        return 1;
    }
}
