// The loader on three arbitrary record files, read into memory or mapped.
#include <fstream>
#include <string_view>

#include "data/error.h"
#include "data/store.h"
#include "fuzz_entries.h"
#include "scratch_folder.h"
#include "show_every_race.h"

namespace zv::fuzz {
namespace {

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A store that a failed load must leave exactly as it was.
RaceDataStore sentinelStore() {
    RaceDataStore store;
    store.headerLines = {"sentinel"};
    store.raceCount = 1;
    store.headers.resize(1);
    return store;
}

void load(Input input, FileAccess access) {
    std::string_view rest(reinterpret_cast<const char*>(input.data()), input.size());
    const std::filesystem::path folder = freshScratchFolder("load");
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        size_t end = rest.find('\0');
        writeFile(folder / name, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    RaceDataStore store = sentinelStore();
    try {
        if (!loadDataSet(store, folder, access)) throw InvariantBroken("all three record files were written");
    } catch (const Error&) {
        if (store != sentinelStore()) throw InvariantBroken("a refused data set changed the store");
        return;
    }
    showEveryRace(store);
}

}  // namespace

void loadRecordFiles(Input input) { load(input, FileAccess::Read); }

void mapRecordFiles(Input input) { load(input, FileAccess::Map); }

}  // namespace zv::fuzz
