#include "race_name.h"

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

#include "code_tables.h"
#include "convert.h"
#include "error.h"
#include "full_width.h"
#include "record_codec.h"
#include "records.h"
#include "sjis.h"
#include "sjis_chars.h"

namespace zv {
namespace {

struct ShortWord {
    const char* word;
    const char* abbreviation;
};

constexpr ShortWord kShortWords[] = {
    {"ロイヤル", "Ｒ"},   {"ジュベナイルＦ", "ＪＦ"}, {"チャンピオンＳ", "ＣＳ"}, {"チャレンジ", "Ｃ"},
    {"レーシング", "Ｒ"}, {"ステークス", "Ｓ"},       {"トロフィー", "Ｔ"},       {"カップ", "Ｃ"},
};

// The race type as the copy text names an unnamed race: サラ3歳以上 reads ３歳上.
std::string copyRaceType(const RaceHeaderRecord& r) {
    static const std::pair<RaceType, std::string> kTypes[] = {
        {RaceType::Thoroughbred2, sj("２歳")},
        {RaceType::Thoroughbred3, sj("３歳")},
        {RaceType::Thoroughbred3Up, sj("３歳上")},
        {RaceType::Thoroughbred4Up, sj("４歳上")},
    };
    for (const auto& [type, copy] : kTypes) {
        if (r.raceType.is(type)) return copy;
    }
    return raceTypeName(codeKey(r, r.raceType));
}

// The weekday of the date in raceDateText ("2010/05/02(日)"), computed from the calendar.
std::string copyWeekday(std::string_view dateText) {
    static const std::string kNames[] = {sj("日曜"), sj("月曜"), sj("火曜"), sj("水曜"),
                                         sj("木曜"), sj("金曜"), sj("土曜")};
    auto part = [&](size_t pos, size_t len) { return dateText.substr(std::min(pos, dateText.size()), len); };
    int year = strictInt(part(0, 4), header_line::race_year.name);
    int month = strictInt(part(5, 2), header_line::race_month.name);
    int day = strictInt(part(8, 2), header_line::race_day.name);
    bool inRange = year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    std::chrono::year_month_day date{std::chrono::year(inRange ? year : 1),
                                     std::chrono::month(inRange ? static_cast<unsigned>(month) : 1),
                                     std::chrono::day(inRange ? static_cast<unsigned>(day) : 1)};
    if (!inRange || !date.ok()) throw conversionError(header_line::race_date.name, Cp932View(part(0, 10)));
    return kNames[std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()];
}

}  // namespace

std::string shortenRaceName(std::string_view name) {
    static const auto kWords = [] {
        std::vector<std::pair<std::string, std::string>> words;
        for (const ShortWord& w : kShortWords) words.emplace_back(sj(w.word), sj(w.abbreviation));
        return words;
    }();
    std::string result(name);
    for (const auto& [word, abbreviation] : kWords) result = replaceAllSjis(result, word, abbreviation);
    return result;
}

std::string raceNameCopyText(const RaceDataStore& store, int race) {
    static const std::string open = sj("（"), close = sj("）"), jpnOpen = sj("（Jpn（"), jpnClose = sj("）) "),
                             below = sj("下"), dot = sj("・"), raceMark = sj("Ｒ "), metres = sj("ｍ");
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, "レース番号が範囲外です: " + std::to_string(race));
    }
    const RaceHeader& header = store.headers[race];
    const RaceHeaderRecord& r = header.record;

    std::string copy = shortenRaceName(storedText(r, r.raceName));
    if (!copy.empty()) {
        std::string mark = gradeMark(codeKey(r, r.grade));
        if (!mark.empty()) {
            std::string fullWidthMark = toFullWidth(trimmed(mark));
            copy += r.jpnGrade.is(Flag::Yes) ? jpnOpen + fullWidthMark + jpnClose : open + fullWidthMark + close;
        }
    } else {
        copy = copyRaceType(r);
        copy += raceClassShort(storedBytes(r, r.raceClass).bytes());
        // A class in money, not in words, is for horses that won less.
        const bool inWords = r.raceClass.is(RaceClass::Newcomer) || r.raceClass.is(RaceClass::Unraced) ||
                             r.raceClass.is(RaceClass::Maiden) || r.raceClass.is(RaceClass::Open);
        if (!inWords) copy += below;
    }
    copy += "  " + racecourseName(codeKey(r, r.racecourse)) + dot;
    copy += copyWeekday(header.raceDateText);

    if (r.raceNumber.value > 9) {
        copy += storedBytes(r, r.raceNumber).bytes();
    } else {
        copy += toFullWidth(std::to_string(strictNumber(r, r.raceNumber, header_line::race_number.name)));
    }
    copy += raceMark + header.courseText + header.distanceText + metres;
    return copy;
}

std::string racePlaceText(const RaceDataStore& store, int race) {
    const std::string& menuTitle = store.headers.at(static_cast<size_t>(race)).menuTitle;
    return menuTitle.substr(0, menuTitle.find(' ')) + " (" + std::to_string(race + 1) + "/" +
           std::to_string(store.raceCount) + ")";
}

}  // namespace zv
