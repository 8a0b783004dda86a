#include "command.h"

#include <algorithm>

namespace zv::cli {
namespace {

constexpr OptionSpec kCommon[] = {
    {"--data-dir DIR",
     "データフォルダ (既定: $ZELVORA_DATA_DIR、なければ $XDG_DATA_HOME/Zelvora か ~/.local/share/Zelvora)",
     Completion::Folders},
    {"-h, --help", "この説明を表示します"},
};

constexpr OptionSpec kService[] = {
    {"--user ID", "会員 ID (--password-stdin と組で、保存した設定の代わりに使います)"},
    {"--password-stdin", "パスワードを標準入力から 1 行読みます (download では --yes も必要)"},
    {"--service-host URL", "接続先のサーバー (試験用)"},
    {"--ca-file FILE", "信頼する CA 証明書 (試験用)", Completion::Files},
    {"--dir FOLDER", "ダウンロードフォルダ (既定: 設定のフォルダ、なければデータフォルダの BVO)", Completion::Folders},
};

const OptionSpec* findIn(std::span<const OptionSpec> options, std::string_view name) {
    const auto found =
        std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name() == name; });
    return found == options.end() ? nullptr : &*found;
}

}  // namespace

const OptionSpec* Command::findOption(std::string_view name) const {
    const OptionSpec* found = findIn(options, name);
    return found || !serviceOptions ? found : findIn(kService, name);
}

bool Command::takesValue(std::string_view name) const {
    const OptionSpec* option = findOption(name);
    return option && option->takesValue();
}

std::string_view OptionSpec::name() const {
    const size_t from = option.find("--");
    return option.substr(from, option.find(' ', from) - from);
}

bool OptionSpec::takesValue() const { return option.find(' ', option.find("--")) != std::string_view::npos; }

std::span<const OptionSpec> commonOptions() { return kCommon; }

std::span<const OptionSpec> serviceOptions() { return kService; }

const Command* findCommand(std::span<const Command> commands, std::string_view name) {
    const auto found = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

void parseArguments(const Command& command, const std::vector<std::string>& args, CliContext& ctx) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            ctx.args.push_back(arg);
            continue;
        }
        const OptionSpec* option = command.findOption(arg);
        if (!option) throw UsageError(std::string(command.name) + " には " + arg + " というオプションはありません");
        if (ctx.options.contains(arg)) throw UsageError(arg + " が 2 回指定されています");
        std::string value;
        if (option->takesValue()) {
            if (i + 1 == args.size()) throw UsageError(arg + " には値を指定してください");
            value = args[++i];
        }
        ctx.options.emplace(arg, std::move(value));
    }
}

}  // namespace zv::cli
