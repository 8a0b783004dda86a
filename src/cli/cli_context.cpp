#include "cli_context.h"

#include <algorithm>

#include "data/archive/intake.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/paths.h"
#include "data/sjis.h"

namespace zv::cli {

std::filesystem::path CliContext::dataFolder() const { return resolveDataFolder(dataDirOption); }

RaceDataStore CliContext::loadStore() const {
    RaceDataStore store;
    std::filesystem::path folder = dataFolder();
    // A command ends within milliseconds: mapping spares copying a day's files into fresh memory.
    if (!loadDataFolder(store, folder, FileAccess::Map)) {
        throw Error(ErrorKind::Io,
                    sj("データが読み込まれていません (") + pathText(folder) + sj(" にレースデータがありません)"));
    }
    return store;
}

int CliContext::raceArg(const RaceDataStore& store, const std::string& text) const {
    auto r = parseInt(text);
    if (!r || *r < 0 || *r >= store.raceCount) {
        throw Error(ErrorKind::Format, sj("レース番号が範囲外です: ") + fromUtf8(text) + " (0.." +
                                           std::to_string(store.raceCount - 1) + ")");
    }
    return *r;
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return std::nullopt;
    if (it + 1 == args.end()) throw UsageError{name + " needs a value"};
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

std::string terminalText(const std::string& cp932) {
    std::string text = toUtf8(cp932);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace zv::cli
