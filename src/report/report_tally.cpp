#include "report_tally.h"

#include <algorithm>
#include <cstdio>

#include "data/error.h"
#include "data/numbers.h"
#include "data/record_codec.h"
#include "data/sjis.h"
#include "predict/bet_lines.h"
#include "predict/mark_symbols.h"
#include "predict/rate_race.h"
#include "predict/ratings.h"
#include "report/bet_hits.h"

namespace zv::report {
namespace {

constexpr int kFinishNoPosition = 0;
constexpr int kFinishScratched = 34;
constexpr int kFinishExcluded = 35;
constexpr int kRankRows = 6;  // 1位 .. 5位, 6位以下
constexpr int kIndexBands = 10;
constexpr int kPopularityRows = 5;

std::string pendingKey(std::string_view date, std::string_view course, int number, std::string_view name) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", number % 100);
    std::string key;
    key.reserve(12 + name.size());
    key.append(date).append(course).append(digits).append(name);
    return key;
}

std::string dateKey(const LocalDateTime& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", day.year, day.month, day.day);
    return text;
}

bool didNotRun(int finish) { return finish == kFinishScratched || finish == kFinishExcluded; }

// What the later records tell of one race: who ran, and who took the first three places.
struct Places {
    std::array<int, 3> runner{-1, -1, -1};  // runner index of the 1st, 2nd and 3rd; -1 unknown
    int ran = 0;                            // runners not known to have been scratched or excluded
    bool known(int places) const {
        for (int p = 0; p < places; ++p)
            if (runner[p] < 0) return false;
        return true;
    }
    int placeOf(int n) const {
        for (int p = 0; p < 3; ++p)
            if (runner[p] == n) return p + 1;
        return 0;
    }
};

int runnerNamed(const std::vector<TalliedRunner>& runners, std::string_view name) {
    if (name.empty()) return -1;
    for (size_t n = 0; n < runners.size(); ++n)
        if (runners[n].name == name) return static_cast<int>(n);
    return -1;
}

Places placesOf(const TalliedRace& race) {
    Places places;
    const auto& runners = race.runners;
    for (size_t n = 0; n < runners.size(); ++n) {
        const auto& r = runners[n];
        if (!r.found || !didNotRun(r.finish)) ++places.ran;
        if (!r.found) continue;
        if (r.finish >= 1 && r.finish <= 3 && places.runner[r.finish - 1] < 0)
            places.runner[r.finish - 1] = static_cast<int>(n);
    }
    // A beaten runner's record names the winner.
    for (const auto& r : runners) {
        if (places.runner[0] >= 0) break;
        if (r.found && r.finish >= 2 && r.finish <= 33) places.runner[0] = r.opponent - 1;
    }
    // The winner's own record names the second.
    if (places.runner[0] >= 0 && places.runner[1] < 0) {
        const auto& winner = runners[places.runner[0]];
        if (winner.found && winner.finish == 1) {
            int second = winner.opponent - 1;
            if (second != places.runner[0]) places.runner[1] = second;
        }
    }
    return places;
}

void count(RateRow& row, int n, const Places& places) {
    ++row.runners;
    int place = places.placeOf(n);
    if (places.known(1)) {
        ++row.win.base;
        row.win.count += place == 1;
    }
    if (places.known(2)) {
        ++row.top2.base;
        row.top2.count += place >= 1 && place <= 2;
    }
    if (places.known(3)) {
        ++row.top3.base;
        row.top3.count += place >= 1 && place <= 3;
    }
}

RateRow rowLabelled(std::string label) {
    RateRow row;
    row.label = std::move(label);
    return row;
}

std::vector<RateRow> rowsLabelled(std::initializer_list<std::string> labels) {
    std::vector<RateRow> rows;
    for (const std::string& label : labels) rows.push_back(rowLabelled(label));
    return rows;
}

// The marks, then the unmarked runners.
template <size_t N>
std::vector<RateRow> markRows(const std::array<std::string_view, N>& symbols) {
    std::vector<RateRow> rows;
    rows.reserve(symbols.size() + 1);
    for (std::string_view symbol : symbols) rows.push_back(rowLabelled(std::string(symbol)));
    rows.push_back(rowLabelled("無印"));
    return rows;
}

std::vector<BetLineRow> betLineRows() {
    std::vector<BetLineRow> rows;
    for (int type = 0; type < kBetTypes; ++type) {
        BetLineRow row;
        row.type = betTypeName(static_cast<BetType>(type));
        rows.push_back(row);
    }
    return rows;
}

// The bet lines of picks in a race whose places are as given.
void countBetLines(std::vector<BetLineRow>& rows, const std::array<int, 6>& picks, bool trifecta,
                   const Places& places) {
    const auto keys = computeBetKeys(picks, trifecta);
    std::array<int, 3> first{};
    for (int p = 0; p < 3; ++p) first[p] = places.runner[p] + 1;
    for (int type = 0; type < kBetTypes; ++type) {
        const BetType betType = static_cast<BetType>(type);
        const BetKeyRange range = betKeyRange(betType);
        int lines = 0;
        bool hit = false;
        const bool known = places.known(placesNeeded(betType, places.ran));
        for (int at = range.first; at < range.first + range.count; ++at) {
            if (keys[at] == kNoBetLine) continue;
            ++lines;
            if (known) hit = hit || betLineHits(betType, keys[at], first, places.ran);
        }
        if (lines == 0 || !known) continue;
        BetLineRow& row = rows[type];
        ++row.races;
        row.hits += hit;
        row.lines += lines;
    }
}

std::vector<RateRow> indexBandRows() {
    std::vector<RateRow> rows;
    for (int band = 0; band < kIndexBands; ++band) {
        char label[32];
        if (band == kIndexBands - 1)
            std::snprintf(label, sizeof label, "%d.0–100.0", band * 10);
        else
            std::snprintf(label, sizeof label, "%d.0–%d.9", band * 10, band * 10 + 9);
        rows.push_back(rowLabelled(label));
    }
    return rows;
}

}  // namespace

int ReportTally::addDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
                        std::vector<SkippedInput>& skipped) {
    lookUpOutcomes(store, std::stoi(dateKey(day)));
    int rated = 0;
    rateDay(store, day, path, skipped, rated);
    return rated;
}

void ReportTally::lookUpOutcomes(const RaceDataStore& store, int dayKey) {
    if (pending_.empty()) return;
    std::string key;
    for (int race = 0; race < store.raceCount; ++race) {
        for (const HorseRecord& h : store.records(race).horses) {
            const std::string name = storedText(h, h.horseName);
            for (const PastRace& p : h.pastRaces) {
                // Only races before the day; a date that is not well-formed is read as it stands.
                if (p.raceDate.state == FieldState::Value && p.raceDate.number() >= dayKey) continue;
                const std::string date = storedBytes(h, p.raceDate).bytes();
                if (date.size() != 8 || toIntOrZero(date) >= dayKey) continue;
                key =
                    pendingKey(date, storedBytes(h, p.racecourse).bytes(), static_cast<int>(p.horseNumber.value), name);
                auto it = pending_.find(key);
                if (it == pending_.end()) continue;
                std::vector<TalliedRunner>& runners = races_[it->second.first].runners;
                TalliedRunner& runner = runners[it->second.second];
                runner.found = true;
                runner.finish = static_cast<int>(p.finish.value);
                runner.popularity = static_cast<int>(p.popularity.value);
                runner.opponent = runnerNamed(runners, storedText(h, p.opponentName)) + 1;
                pending_.erase(it);
            }
        }
    }
}

void ReportTally::rateDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
                          std::vector<SkippedInput>& skipped, int& rated) {
    for (int r = 0; r < store.raceCount; ++r) {
        RaceRatings ratings;
        try {
            ratings = rateRace(store, r, day);
        } catch (const Error& e) {
            skipped.push_back({path, std::to_string(r + 1) + "番目のレースを計算できません: " + e.message()});
            continue;
        }
        ++rated;
        const RaceHeaderRecord& header = store.headers[static_cast<size_t>(r)].record;
        const std::string date = storedBytes(header, header.raceDate).bytes();
        const std::string course = storedBytes(header, header.racecourse).bytes();
        TalliedRace race = talliedRace(ratings);
        for (size_t n = 0; n < race.runners.size(); ++n) {
            pending_[pendingKey(date, course, static_cast<int>(n) + 1, race.runners[n].name)] = {
                static_cast<uint32_t>(races_.size()), static_cast<uint16_t>(n)};
        }
        races_.push_back(std::move(race));
    }
}

int indexBandOf(int32_t combined) {
    return std::clamp(static_cast<int>(indexValue(combined) / 10), 0, kIndexBands - 1);
}

TalliedRace talliedRace(const RaceRatings& ratings) {
    TalliedRace race;
    race.marks = ratings.markedRunners;
    race.trifecta = ratings.trifecta;
    race.runners.resize(ratings.pastColumns.size());
    for (size_t n = 0; n < ratings.pastColumns.size(); ++n) {
        const PastColumn& b = ratings.pastColumns[n];
        TalliedRunner& runner = race.runners[n];
        runner.name = b.name;
        int higher = 0;
        for (const PastColumn& other : ratings.pastColumns) higher += other.combined > b.combined;
        runner.rank = higher + 1;
        runner.indexBand = indexBandOf(b.combined);
        for (int m = 0; m < static_cast<int>(race.marks.size()); ++m)
            if (race.marks[m] == static_cast<int>(n) + 1) runner.mark = m;
    }
    return race;
}

ReportCard ReportTally::card() const { return countRaces(races_); }

ReportCard countRaces(const std::vector<TalliedRace>& races) {
    ReportCard card;
    card.byMark = markRows(kMarkSymbolsUtf8);
    card.byOwnMark = markRows(kOwnMarkSymbolsUtf8);
    card.byRank = rowsLabelled({"1位", "2位", "3位", "4位", "5位", "6位以下"});
    card.byIndexBand = indexBandRows();
    card.byPopularity = rowsLabelled({"1番人気", "2番人気", "3番人気", "4番人気", "5番人気"});
    card.betLines = betLineRows();
    card.ownBetLines = betLineRows();

    Coverage& coverage = card.coverage;
    for (const TalliedRace& race : races) {
        Places places = placesOf(race);
        ++coverage.races;
        coverage.racesWithWinner += places.known(1);
        coverage.racesWithFirstTwo += places.known(2);
        coverage.racesWithFirstThree += places.known(3);
        coverage.racesWithOwnMarks += race.own.has_value();
        for (size_t i = 0; i < race.runners.size(); ++i) {
            const TalliedRunner& r = race.runners[i];
            int n = static_cast<int>(i);
            if (r.found && didNotRun(r.finish)) continue;
            ++coverage.runners;
            coverage.runnersWithResult += r.found && r.finish != kFinishNoPosition;
            count(card.byMark[r.mark >= 0 ? r.mark : kMarks], n, places);
            if (race.own) count(card.byOwnMark[r.ownMark >= 0 ? r.ownMark : kOwnMarks], n, places);
            count(card.byRank[std::min(r.rank, kRankRows) - 1], n, places);
            count(card.byIndexBand[r.indexBand], n, places);
            if (r.found && r.popularity >= 1 && r.popularity <= kPopularityRows) {
                RateRow& row = card.byPopularity[r.popularity - 1];
                ++row.runners;
                if (r.finish == kFinishNoPosition) continue;
                const std::pair<Rate*, int> rates[] = {{&row.win, 1}, {&row.top2, 2}, {&row.top3, 3}};
                for (auto [rate, within] : rates) {
                    ++rate->base;
                    rate->count += r.finish <= within;
                }
            }
        }
        countBetLines(card.betLines, race.marks, race.trifecta, places);
        if (race.own) countBetLines(card.ownBetLines, race.own->picks, race.own->trifecta, places);
    }
    return card;
}

}  // namespace zv::report
