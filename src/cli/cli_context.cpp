#include "cli_context.h"

#include "data/archive/intake.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/paths.h"
#include "library/library.h"

namespace zv::cli {

std::filesystem::path CliContext::dataFolder() const { return resolveDataFolder(dataDirOption); }

RaceDataStore CliContext::loadStore() const {
    RaceDataStore store;
    std::filesystem::path folder = dataFolder();
    if (std::optional<std::string> day = option("--day")) {
        const int date = dayArg(*day);
        if (!library::Library(folder, library::OpenMode::Existing).loadDay(date, store))
            throw Error(ErrorKind::Io, "ライブラリにその開催日はありません: " + *day);
        return store;
    }
    // A command ends within milliseconds: mapping spares copying a day's files into fresh memory.
    if (!loadDataFolder(store, folder, FileAccess::Map)) {
        throw Error(ErrorKind::Io,
                    "データが読み込まれていません (" + pathText(folder) + " にレースデータがありません)");
    }
    return store;
}

int dayArg(const std::string& text) {
    auto date = text.size() == 8 ? parseInt(text) : std::nullopt;
    if (!date || *date < 10000101) throw UsageError("開催日は YYYYMMDD の 8 桁で指定してください: " + text);
    return *date;
}

int CliContext::raceArg(const RaceDataStore& store, const std::string& text) const {
    auto r = parseInt(text);
    if (!r || *r < 0 || *r >= store.raceCount) {
        throw Error(ErrorKind::Format,
                    "レース番号が範囲外です: " + text + " (0.." + std::to_string(store.raceCount - 1) + ")");
    }
    return *r;
}

std::optional<std::string> CliContext::option(std::string_view name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::string terminalText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace zv::cli
