#include "day_input.h"

#include <algorithm>

#include "data/archive/intake.h"
#include "data/error.h"

namespace zv::library {
namespace {

namespace fs = std::filesystem;

void collect(const fs::path& folder, std::vector<DayInput>& found, std::vector<RefusedInput>& refused) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());
    if (ec) {
        refused.push_back({folder, "フォルダを読めません: " + errorCodeText(ec)});
        return;
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        if (fs::is_directory(entry, ec)) {
            if (holdsRecordFile(entry))
                found.push_back({entry, false});
            else
                collect(entry, found, refused);
        } else if (fs::is_regular_file(entry, ec) && looksLikeArchive(entry)) {
            found.push_back({entry, true});
        }
    }
}

}  // namespace

std::vector<DayInput> findDayInputs(const std::vector<fs::path>& paths, std::vector<RefusedInput>& refused) {
    std::vector<DayInput> found;
    for (const fs::path& path : paths) {
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (fs::is_regular_file(status)) {
            found.push_back({path, true});
        } else if (!fs::is_directory(status)) {
            refused.push_back({path, fs::exists(status) ? "フォルダでも書庫ファイルでもありません" : "見つかりません"});
        } else if (holdsRecordFile(path)) {
            found.push_back({path, false});
        } else {
            const size_t before = found.size();
            collect(path, found, refused);
            if (found.size() == before) refused.push_back({path, "開催日のフォルダも書庫ファイルもありません"});
        }
    }
    return found;
}

InputOutcome addDayInput(Library& library, const DayInput& input, ScratchFolder& scratch) {
    InputOutcome outcome;
    RaceDataStore store;
    fs::path unpacked;
    try {
        if (input.archive) {
            unpacked = scratch.next();
            fs::create_directories(unpacked);
            const IntakeResult taken = unpackArchive(input.path, unpacked, store, {});
            if (!taken) outcome.refusal = taken.failure().message;
        } else if (!loadDataSet(store, input.path, FileAccess::Map)) {
            outcome.refusal = "記録ファイルが揃っていません";
        }
        if (outcome.refusal.empty()) outcome.added = library.addDay(store, input.path.string());
    } catch (const UnusableLibrary&) {
        throw;
    } catch (const Error& e) {
        outcome.refusal = e.message();
    } catch (const fs::filesystem_error& e) {
        outcome.refusal = e.what();
    }
    std::error_code ec;
    if (!unpacked.empty()) fs::remove_all(unpacked, ec);
    return outcome;
}

}  // namespace zv::library
