#include "day_rows.h"

#include <algorithm>
#include <cstdio>

#include "data/code_tables.h"
#include "data/error.h"
#include "data/record_codec.h"
#include "data/sjis.h"
#include "predict/rate_race.h"
#include "report/report_tally.h"

namespace zv::library {
namespace {

std::string codeText(uint32_t code, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*u", width, code);
    return text;
}

template <class Code>
int codeNumber(const CodeField<Code>& field) {
    return field.state == FieldState::Value ? static_cast<int>(field.code) : -1;
}

std::string surfaceText(const CodeField<Flag>& jump, const CodeField<Flag>& turf) {
    if (jump.is(Flag::Yes)) return "障";
    return turf.is(Flag::Yes) ? "芝" : "ダ";
}

RaceRow raceRow(const RaceDataStore& store, int r, const LocalDateTime& day, const std::vector<HorseRecord>& horses) {
    const RaceHeaderRecord header = decodeRaceHeader(Cp932View(store.headerLines[r]));
    RaceRow row;
    row.raceIndex = r;
    row.racecourseCode = codeNumber(header.racecourse);
    row.racecourse = racecourseNameOf(row.racecourseCode);
    row.raceNumber = static_cast<int>(header.raceNumber.value);
    row.surface = toUtf8(store.headers[r].courseText);
    row.distance = static_cast<int>(header.distance.value);
    if (header.raceClass.state == FieldState::Value)
        row.raceClass = toUtf8(raceClassShort(codeText(static_cast<uint32_t>(header.raceClass.code), 5)));
    row.name = header.raceName.text;
    row.runners = store.runnerCount(r);

    RaceRatings ratings;
    try {
        ratings = rateRace(store, r, day);
    } catch (const Error& e) {
        row.unrated = std::to_string(r + 1) + "番目のレースを計算できません: " + e.message();
        return row;
    }
    const report::TalliedRace tallied = report::talliedRace(ratings);
    row.pace = toUtf8(ratings.pace.paceText);
    row.marks = ratings.markedRunners;
    row.trifecta = ratings.trifecta;
    const int first = store.firstRunner(r);
    for (size_t n = 0; n < ratings.pastColumns.size(); ++n) {
        const PastColumn& column = ratings.pastColumns[n];
        EntryRow& entry = row.entries.emplace_back();
        entry.horseNumber = static_cast<int>(n) + 1;
        entry.horse = horses[static_cast<size_t>(first) + n].horseName.text;
        entry.mark = tallied.runners[n].mark;
        entry.rank = tallied.runners[n].rank;
        entry.combined = column.combined;
        entry.tr = column.TR;
        entry.pr = column.PR;
    }
    return row;
}

void addPastRaces(const std::vector<HorseRecord>& horses, int date, std::vector<PastRaceRow>& out) {
    for (const HorseRecord& horse : horses) {
        for (const PastRace& past : horse.pastRaces) {
            const int pastDate = past.raceDate.number();
            if (pastDate == 0 || pastDate >= date) continue;
            PastRaceRow& row = out.emplace_back();
            row.horse = horse.horseName.text;
            row.racecourseCode = codeNumber(past.racecourse);
            row.opponent = past.opponentName.text;
            PastRaceSeen& seen = row.seen;
            seen.date = pastDate;
            seen.racecourse = racecourseNameOf(row.racecourseCode);
            seen.raceName = past.shortName.text;
            seen.surface = surfaceText(past.jump, past.turf);
            seen.distance = static_cast<int>(past.distance.value);
            seen.fieldSize = static_cast<int>(past.fieldSize.value);
            seen.horseNumber = static_cast<int>(past.horseNumber.value);
            seen.popularity = static_cast<int>(past.popularity.value);
            seen.finish = static_cast<int>(past.finish.value);
            seen.raceTime = static_cast<int>(past.raceTime.value);
            seen.jockey = past.jockeyName.text;
        }
    }
}

}  // namespace

std::string racecourseNameOf(int code) {
    return code < 0 ? std::string() : toUtf8(racecourseName(codeText(static_cast<uint32_t>(code), 2)));
}

DayRows dayRows(const RaceDataStore& store) {
    const RaceHeaderRecord first = decodeRaceHeader(Cp932View(store.headerLines.at(0)));
    DayRows rows;
    rows.date = first.raceDate.number();
    if (rows.date == 0) throw Error(ErrorKind::Format, "開催日を読めません (レース情報の1行目)");
    rows.dateText = toUtf8(store.headers[0].raceDateText);
    const LocalDateTime day{first.raceDate.year, first.raceDate.month, first.raceDate.day, 0};
    std::vector<HorseRecord> horses;
    horses.reserve(store.horseLines.size());
    for (std::string_view line : store.horseLines) horses.push_back(decodeHorseRecord(Cp932View(line)));
    for (int r = 0; r < store.raceCount; ++r) {
        RaceRow race = raceRow(store, r, day, horses);
        if (!race.racecourse.empty() &&
            std::find(rows.racecourses.begin(), rows.racecourses.end(), race.racecourse) == rows.racecourses.end())
            rows.racecourses.push_back(race.racecourse);
        rows.runners += race.runners;
        rows.races.push_back(std::move(race));
    }
    addPastRaces(horses, rows.date, rows.pastRaces);
    return rows;
}

}  // namespace zv::library
