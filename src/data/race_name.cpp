#include "race_name.h"

#include <chrono>
#include <utility>
#include <vector>

#include "code_tables.h"
#include "convert.h"
#include "error.h"
#include "full_width.h"
#include "numbers.h"
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
std::string copyRaceType(const std::string& raceType) {
    static const std::pair<std::string, std::string> kTypes[] = {
        {sj("サラ2歳"), sj("２歳")},
        {sj("サラ3歳"), sj("３歳")},
        {sj("サラ3歳以上"), sj("３歳上")},
        {sj("サラ4歳以上"), sj("４歳上")},
    };
    for (const auto& [type, copy] : kTypes) {
        if (raceType == type) return copy;
    }
    return raceType;
}

// The weekday of the date in raceDateText ("2010/05/02(日)"), computed from the calendar.
std::string copyWeekday(std::string_view dateText) {
    static const std::string kNames[] = {sj("日曜"), sj("月曜"), sj("火曜"), sj("水曜"),
                                         sj("木曜"), sj("金曜"), sj("土曜")};
    int year = strictInt(field(dateText, 1, 4), header_line::race_year.name);
    int month = strictInt(field(dateText, 6, 2), header_line::race_month.name);
    int day = strictInt(field(dateText, 9, 2), header_line::race_day.name);
    bool inRange = year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    std::chrono::year_month_day date{std::chrono::year(inRange ? year : 1),
                                     std::chrono::month(inRange ? static_cast<unsigned>(month) : 1),
                                     std::chrono::day(inRange ? static_cast<unsigned>(day) : 1)};
    if (!inRange || !date.ok()) throw conversionError(header_line::race_date.name, Cp932View(field(dateText, 1, 10)));
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
                             man = sj("万"), below = sj("下"), dot = sj("・"), raceMark = sj("Ｒ "), metres = sj("ｍ");
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, "レース番号が範囲外です: " + std::to_string(race));
    }
    std::string_view line = store.headerLines[race];
    const RaceHeader& header = store.headers[race];

    std::string copy = shortenRaceName(trimmed(field(line, header_line::race_name)));
    if (!copy.empty()) {
        std::string mark = gradeMark(field(line, header_line::grade_code));
        if (!mark.empty()) {
            std::string fullWidthMark = toFullWidth(trimmed(mark));
            copy += header.jpnFlag == "1" ? jpnOpen + fullWidthMark + jpnClose : open + fullWidthMark + close;
        }
    } else {
        copy = copyRaceType(raceTypeName(field(line, header_line::race_type_code)));
        std::string raceClass = raceClassShort(field(line, header_line::race_class_code));
        copy += raceClass;
        if (findSjis(raceClass, man) != std::string_view::npos) copy += below;
    }
    copy += "  " + racecourseName(field(line, header_line::racecourse_code)) + dot;
    copy += copyWeekday(header.raceDateText);

    std::string_view raceNumber = field(line, header_line::race_number);
    if (toIntOrZero(raceNumber) > 9) {
        copy += raceNumber;
    } else {
        copy += toFullWidth(std::to_string(strictInt(raceNumber, header_line::race_number.name)));
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
