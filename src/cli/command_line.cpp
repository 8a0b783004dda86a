#include "command_line.h"

#include <iostream>

#include "data/error.h"
#include "data/sjis.h"

namespace zv::cli {
namespace {

void printUsage(std::ostream& err, std::span<const Command> commands) {
    err << "usage: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\ncommands:\n";
    for (const Command& c : commands) err << "  " << c.usage << "\n";
    err << "service options: [--user ID --password-stdin] [--service-host URL] [--ca-file FILE] [--dir FOLDER]\n";
}

}  // namespace

int runCommandLine(int argc, char** argv, std::span<const Command> commands) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        CliContext ctx{{}, std::cout, std::cerr, {}};
        if (auto dir = takeOption(args, "--data-dir")) ctx.dataDirOption = *dir;
        if (args.empty() || args[0] == "--help" || args[0] == "-h") {
            printUsage(args.empty() ? std::cerr : std::cout, commands);
            return args.empty() ? 2 : 0;
        }
        for (const Command& c : commands) {
            if (args[0] == c.name) {
                ctx.args.assign(args.begin() + 1, args.end());
                return c.run(ctx);
            }
        }
        throw UsageError{"unknown command: " + args[0]};
    } catch (const UsageError& e) {
        std::cerr << "zelvora-cli: " << e.message << "\n";
        printUsage(std::cerr, commands);
        return 2;
    } catch (const Error& e) {
        std::cerr << "zelvora-cli: " << toUtf8(e.message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "zelvora-cli: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace zv::cli
