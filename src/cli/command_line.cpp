#include "command_line.h"

#include <algorithm>
#include <iostream>

#include "command_help.h"

namespace zv::cli {
namespace {

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// An option with its value that may stand before the command as well (--data-dir DIR, --day D).
std::optional<std::string> takeAnywhere(std::vector<std::string>& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return std::nullopt;
    if (it + 1 == args.end()) throw UsageError(name + " には値を指定してください");
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

int (*handlerOf(const Command& command, std::span<const LocalHandler> local))(CliContext&) {
    const auto found =
        std::find_if(local.begin(), local.end(), [&](const LocalHandler& h) { return h.name == command.name; });
    return found == local.end() ? command.run : found->run;
}

}  // namespace

int runCommandLine(int argc, char** argv, std::span<const Command> commands, std::span<const LocalHandler> local) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        CliContext ctx(std::cout, std::cerr);
        if (auto dir = takeAnywhere(args, "--data-dir")) ctx.dataDirOption = *dir;
        std::optional<std::string> day = takeAnywhere(args, "--day");
        if (args.empty()) {
            std::cerr << usageText(commands);
            return 2;
        }
        if (isHelp(args[0])) {
            std::cout << programHelp(commands);
            return 0;
        }
        const Command* command = findCommand(commands, args[0]);
        if (!command) throw UsageError("そのようなコマンドはありません: " + args[0]);
        if (std::any_of(args.begin() + 1, args.end(), isHelp)) {
            std::cout << commandHelp(*command);
            return 0;
        }
        ctx.command = command->name;
        parseArguments(*command, {args.begin() + 1, args.end()}, ctx);
        if (day) {
            if (!command->findOption("--day")) throw UsageError(args[0] + " には --day を指定できません");
            ctx.options.emplace("--day", *day);
        }
        return handlerOf(*command, local)(ctx);
    } catch (const UsageError& e) {
        std::cerr << "zelvora-cli: " << e.what() << "\n" << usageText(commands);
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "zelvora-cli: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace zv::cli
