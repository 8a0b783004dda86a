#include "store.h"

#include <fstream>
#include <iterator>

#include "convert.h"
#include "error.h"
#include "records.h"
#include "sjis.h"
#include "titles.h"

namespace zv {
namespace {

std::string pathText(const std::filesystem::path& p) { return fromUtf8(p.string()); }

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(ErrorKind::Io, sj("ファイルを開けません: ") + pathText(path));
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Error(ErrorKind::Io, sj("ファイルを読み込めません: ") + pathText(path));
    return content;
}

std::vector<std::string> readLines(const std::filesystem::path& folder, const char* name, size_t capacity) {
    std::vector<std::string> lines = splitLines(readWholeFile(folder / name));
    if (lines.size() > capacity) {
        throw Error(ErrorKind::Capacity, sj("データが多すぎます: ") + name + sj(" の行数 ") +
                                             std::to_string(lines.size()) + sj(" は上限 ") +
                                             std::to_string(capacity) + sj(" を超えています"));
    }
    return lines;
}

// Blank lines at the very end of the runner and horse files are not runners.
size_t countWithoutTrailingEmpty(const std::vector<std::string>& lines) {
    size_t n = lines.size();
    while (n > 0 && lines[n - 1].empty()) --n;
    return n;
}

}  // namespace

std::vector<std::string> splitLines(std::string_view content) {
    if (size_t eof = content.find('\x1A'); eof != std::string_view::npos) content = content.substr(0, eof);
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t lf = content.find('\n', pos);
        std::string_view raw = content.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf - pos);
        lines.emplace_back(raw.substr(0, raw.find('\r')));
        if (lf == std::string_view::npos) break;
        pos = lf + 1;
    }
    return lines;
}

int RaceDataStore::runnerCount(int r) const { return strictInt(runnerCountText.at(r), den1::runner_count.name); }

int RaceDataStore::firstRunner(int r) const {
    int first = 0;
    for (int i = 0; i < r; ++i) first += runnerCount(i);
    return first;
}

bool loadDataSet(RaceDataStore& store, const std::filesystem::path& folder) {
    for (const char* name : {kDen1File, kDen2File, kUmaFile}) {
        if (!std::filesystem::exists(folder / name)) return false;
    }
    RaceDataStore fresh;
    fresh.den1Lines = readLines(folder, kDen1File, kMaxRaces);
    fresh.den2Lines = readLines(folder, kDen2File, kMaxRunnerLines);
    fresh.umaLines = readLines(folder, kUmaFile, kMaxHorseLines);
    fresh.raceCount = static_cast<int>(fresh.den1Lines.size());

    for (auto* texts : {&fresh.raceDateText, &fresh.runnerCountText, &fresh.titleLine1, &fresh.titleLine2,
                        &fresh.menuTitle, &fresh.gradeText, &fresh.raceNumberText, &fresh.distanceText,
                        &fresh.courseText, &fresh.jpnFlag}) {
        texts->resize(fresh.raceCount);
    }
    long expected = 0;
    for (int i = 0; i < fresh.raceCount; ++i) {
        const std::string& line = fresh.den1Lines[i];
        fresh.runnerCountText[i] = std::string(field(line, den1::runner_count));
        int count = fresh.runnerCount(i);
        if (count < 0 || count > kMaxRunnersPerRace) {
            throw Error(ErrorKind::Capacity, sj("出走頭数が上限 ") + std::to_string(kMaxRunnersPerRace) +
                                                 sj(" を超えています: ") + std::to_string(i + 1) + sj("番目のレース"));
        }
        expected += count;
        BuildRaceTitles(fresh, line, i);
    }
    size_t runners = countWithoutTrailingEmpty(fresh.den2Lines);
    size_t horses = countWithoutTrailingEmpty(fresh.umaLines);
    if (runners != static_cast<size_t>(expected) || horses != static_cast<size_t>(expected)) {
        throw Error(ErrorKind::Format, sj("データの整合性がありません: 出走頭数の合計 ") + std::to_string(expected) +
                                           sj("、出走馬データ ") + std::to_string(runners) + sj("行、馬データ ") +
                                           std::to_string(horses) + sj("行"));
    }
    fresh.den2Lines.resize(runners);
    fresh.umaLines.resize(horses);
    store = std::move(fresh);
    return true;
}

}  // namespace zv
