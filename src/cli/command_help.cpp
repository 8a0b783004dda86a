#include "command_help.h"

#include <algorithm>

namespace zv::cli {
namespace {

// Options and their texts in two columns.
std::string optionLines(std::span<const OptionSpec> options) {
    std::string text;
    for (const OptionSpec& option : options) {
        text += "  " + std::string(option.option) + std::string(std::max<size_t>(2, 22 - option.option.size()), ' ') +
                std::string(option.text) + "\n";
    }
    return text;
}

}  // namespace

std::string programHelp(std::span<const Command> commands) {
    std::string text =
        "使い方: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\n"
        "Zelvora の開催日データを画面なしで扱います。\n\nコマンド:\n";
    for (const Command& c : commands) {
        text += "  " + std::string(c.name) + std::string(std::max<size_t>(2, 12 - c.name.size()), ' ') +
                std::string(c.summary) + "\n";
    }
    text += "\n共通のオプション:\n" + optionLines(commonOptions());
    text += "\n各コマンドの説明: zelvora-cli COMMAND --help\n";
    return text;
}

std::string commandHelp(const Command& command) {
    std::string text = "使い方: zelvora-cli " + std::string(command.usage) + "\n" + std::string(command.summary) + "\n";
    if (!command.options.empty() || command.serviceOptions) text += "\nオプション:\n";
    text += optionLines(command.options);
    if (command.serviceOptions) text += optionLines(serviceOptions());
    return text;
}

std::string usageText(std::span<const Command> commands) {
    std::string text = "使い方: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\nコマンド:\n";
    for (const Command& c : commands) text += "  " + std::string(c.usage) + "\n";
    text += "通信のオプション:";
    for (const OptionSpec& option : serviceOptions()) text += " [" + std::string(option.option) + "]";
    return text + "\n";
}

}  // namespace zv::cli
