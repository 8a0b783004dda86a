#include "command_line.h"

#include <algorithm>
#include <iostream>

#include "command_help.h"
#include "data/error.h"
#include "data/sjis.h"

namespace zv::cli {
namespace {

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// Options and their texts in two columns.
void printOptions(std::ostream& out, std::span<const OptionHelp> options) {
    for (const OptionHelp& option : options) {
        out << "  " << option.option << std::string(std::max<size_t>(2, 22 - option.option.size()), ' ') << option.text
            << "\n";
    }
}

void printProgramHelp(std::ostream& out, std::span<const Command> commands) {
    out << "使い方: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\n"
           "Zelvora の開催日データを画面なしで扱います。\n\nコマンド:\n";
    for (const Command& c : commands) {
        const CommandHelp* help = findCommandHelp(c.name);
        out << "  " << c.name << std::string(std::max<size_t>(2, 12 - c.name.size()), ' ')
            << (help ? help->summary : c.usage) << "\n";
    }
    out << "\n共通のオプション:\n";
    static constexpr OptionHelp common[] = {
        {"--data-dir DIR",
         "データフォルダ (既定: $ZELVORA_DATA_DIR、なければ $XDG_DATA_HOME/Zelvora か ~/.local/share/Zelvora)"},
        {"-h, --help", "この説明を表示します"},
    };
    printOptions(out, common);
    out << "\n各コマンドの説明: zelvora-cli COMMAND --help\n";
}

void printCommandHelp(std::ostream& out, const Command& command) {
    out << "使い方: zelvora-cli " << command.usage << "\n";
    const CommandHelp* help = findCommandHelp(command.name);
    if (!help) return;
    out << help->summary << "\n";
    if (!help->options.empty() || help->serviceOptions) out << "\nオプション:\n";
    printOptions(out, help->options);
    if (help->serviceOptions) printOptions(out, serviceOptionHelp());
}

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
        if (args.empty()) {
            printUsage(std::cerr, commands);
            return 2;
        }
        if (isHelp(args[0])) {
            printProgramHelp(std::cout, commands);
            return 0;
        }
        for (const Command& c : commands) {
            if (args[0] == c.name) {
                if (std::any_of(args.begin() + 1, args.end(), isHelp)) {
                    printCommandHelp(std::cout, c);
                    return 0;
                }
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
