#include "command_docs.h"

#include <cctype>
#include <vector>

namespace zv::cli {
namespace {

// A usage or option text in roff: names of commands and options bold, the names of values
// (upper case) in italics, every hyphen escaped.
std::string roff(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const bool wordStart = std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '-';
        if (!wordStart) {
            out += text[i++];
            continue;
        }
        size_t end = i;
        while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-')) ++end;
        const std::string_view word = text.substr(i, end - i);
        const bool value = std::isupper(static_cast<unsigned char>(word[0]));
        out += value ? "\\fI" : "\\fB";
        for (char c : word) out += c == '-' ? std::string("\\-") : std::string(1, c);
        out += "\\fR";
        i = end;
    }
    return out;
}

std::string optionEntries(std::span<const OptionSpec> options) {
    std::string out;
    for (const OptionSpec& option : options)
        out += ".TP\n" + roff(option.option) + "\n" + std::string(option.text) + "\n";
    return out;
}

// A bash word list of the option names, each once.
std::string optionNames(std::span<const OptionSpec> options, std::string list = {}) {
    for (const OptionSpec& option : options) {
        const std::string name(option.name());
        if ((" " + list + " ").find(" " + name + " ") != std::string::npos) continue;
        list += (list.empty() ? "" : " ") + name;
    }
    return list;
}

// The shell's action for a completion, as a statement.
std::string action(Completion completion, std::string_view choices) {
    switch (completion) {
        case Completion::Files: return "_filedir";
        case Completion::Folders: return "_filedir -d";
        case Completion::Archives: return "_filedir '@(lzh|LZH|lha|LHA)'";
        case Completion::Choices: return "COMPREPLY=($(compgen -W \"" + std::string(choices) + "\" -- \"$cur\"))";
        case Completion::Nothing: break;
    }
    return ":";
}

// "case" branches: the patterns joined by " | ", one branch per action, in the order first met.
struct Branch {
    std::string action;
    std::string patterns;
};

void addBranch(std::vector<Branch>& branches, const std::string& pattern, const std::string& act) {
    for (Branch& b : branches) {
        if (b.action != act) continue;
        if ((" " + b.patterns + " ").find(" " + pattern + " ") == std::string::npos) b.patterns += " | " + pattern;
        return;
    }
    branches.push_back({act, pattern});
}

std::string caseBranches(const std::vector<Branch>& branches, std::string_view ending) {
    std::string out;
    for (const Branch& b : branches) out += "        " + b.patterns + ") " + b.action + std::string(ending) + " ;;\n";
    return out;
}

}  // namespace

std::string manPage(std::span<const Command> commands) {
    std::string out =
        ".TH ZELVORA-CLI 1 \"\" \"Zelvora\" \"ユーザーコマンド\"\n"
        ".ad l\n"
        ".SH 名前\n"
        "zelvora-cli \\- 競馬予想ソフト Zelvora のコマンドライン版\n"
        ".SH 書式\n"
        ".B zelvora-cli\n"
        ".RB [ \\-\\-data\\-dir\n"
        ".IR DIR ]\n"
        ".I COMMAND\n"
        ".RI [ ARGS ]\n"
        ".br\n"
        ".B zelvora-cli\n"
        ".RI [ COMMAND ]\n"
        ".B \\-\\-help\n"
        ".SH 説明\n"
        "開催日のデータセット (3 つのレコードファイル) を画面なしで扱います。\n"
        "ウィンドウ版と同じ計算で、出馬表・印・指数・買い目を表示し、連携ソフト用のファイルを書き、\n"
        "データサービスから書庫を購入します。\n"
        "レース番号 R は 0 から数えます (\\fBraces\\fR が一覧します)。\n"
        "JSON の出力は UTF-8 です。\n"
        ".SH コマンド\n";
    for (const Command& c : commands) {
        out += ".TP\n" + roff(c.usage) + "\n" + std::string(c.summary) + "。\n";
        if (!c.manText.empty()) out += std::string(c.manText) + "\n";
        if (!c.options.empty()) out += ".RS\n" + optionEntries(c.options) + ".RE\n";
    }
    out += ".SH オプション\n" + optionEntries(commonOptions());
    out += ".SS SERVICE OPTIONS\n" + optionEntries(serviceOptions());
    out +=
        ".SH 終了ステータス\n"
        "0 は成功、1 はデータや通信の誤り、2 はコマンドラインの誤りです。\n"
        "中断したときは 130 (Ctrl+C)、143 (SIGTERM)、129 (端末の切断、SIGHUP) です。\n"
        ".SH 環境変数\n"
        ".TP\n"
        ".B ZELVORA_DATA_DIR\n"
        "\\fB\\-\\-data\\-dir\\fR がないときのデータフォルダ。\n"
        ".SH 関連項目\n"
        ".BR zelvora (1)\n";
    return out;
}

std::string bashCompletion(std::span<const Command> commands) {
    std::string commandNames;
    std::vector<Branch> values, perCommand, operands;
    auto addValues = [&](std::span<const OptionSpec> options) {
        for (const OptionSpec& option : options) {
            if (option.takesValue())
                addBranch(values, std::string(option.name()), action(option.values, option.choices));
        }
    };
    addValues(commonOptions());
    for (const Command& c : commands) {
        const std::string name(c.name);
        commandNames += (commandNames.empty() ? "" : " ") + name;
        addValues(c.options);
        std::string names = optionNames(c.options);
        if (c.serviceOptions) {
            addValues(serviceOptions());
            names = optionNames(c.options, optionNames(serviceOptions()));
        }
        if (!names.empty()) perCommand.push_back({"options+=\" " + names + "\"", name});
        if (c.operands != Completion::Nothing) addBranch(operands, name, action(c.operands, {}));
    }
    return "# bash completion for zelvora-cli, made from its command table: its commands, each\n"
           "# command's options, and file names.\n"
           "_zelvora_cli() {\n"
           "    local cur prev words cword\n"
           "    _init_completion || return\n"
           "\n"
           "    local command=\"\" i\n"
           "    for ((i = 1; i < cword; i++)); do\n"
           "        case \"${words[i]}\" in\n"
           "            --data-dir) ((i++)) ;;\n"
           "            -*) ;;\n"
           "            *) command=\"${words[i]}\"; break ;;\n"
           "        esac\n"
           "    done\n"
           "\n"
           "    case \"$prev\" in\n" +
           caseBranches(values, "; return") +
           "    esac\n"
           "\n"
           "    if [[ -z \"$command\" ]]; then\n"
           "        COMPREPLY=($(compgen -W \"" +
           commandNames + " " + optionNames(commonOptions()) +
           "\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "\n"
           "    local options=\"--help\"\n"
           "    case \"$command\" in\n" +
           caseBranches(perCommand, "") +
           "    esac\n"
           "    if [[ \"$cur\" == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    case \"$command\" in\n" +
           caseBranches(operands, "") +
           "    esac\n"
           "} && complete -F _zelvora_cli zelvora-cli\n";
}

}  // namespace zv::cli
