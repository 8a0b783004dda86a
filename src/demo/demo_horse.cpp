#include "demo_horse.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "data/record_codec.h"
#include "data/records.h"
#include "demo_career.h"
#include "demo_names.h"

namespace zv::demo {
namespace {

using Counters = std::array<std::array<int, 4>, horse_line::kRecordGroups>;

template <class T, size_t N>
const T& weightedPick(Random& random, const std::array<std::pair<T, int>, N>& table) {
    std::array<int, N> weights{};
    for (size_t i = 0; i < N; ++i) weights[i] = table[i].second;
    return table[random.weighted(weights)].first;
}

// A name not yet in use; the pools are far larger than a day needs, and the number of tries is
// bounded all the same.
template <class MakeName>
std::string unusedName(std::set<std::string>& used, MakeName make) {
    std::string name;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        name = make();
        if (used.insert(name).second) break;
    }
    return name;
}

}  // namespace

Profile makeProfile(Random& random, const CourseDay& course, const RacePlan& today, NamesInUse& names) {
    static constexpr std::array<std::pair<int, int>, 4> kOlderAges{{{4, 35}, {5, 30}, {6, 20}, {7, 15}}};
    static constexpr std::array<std::pair<const char*, int>, 16> kBirthplaces{{{"003", 14},
                                                                               {"005", 12},
                                                                               {"006", 12},
                                                                               {"007", 8},
                                                                               {"004", 6},
                                                                               {"010", 10},
                                                                               {"016", 6},
                                                                               {"001", 3},
                                                                               {"002", 3},
                                                                               {"008", 4},
                                                                               {"096", 4},
                                                                               {"040", 4},
                                                                               {"044", 3},
                                                                               {"009", 3},
                                                                               {"073", 3},
                                                                               {"075", 1}}};
    static constexpr std::array<std::pair<const char*, int>, 8> kCoats{
        {{"03", 35}, {"04", 20}, {"01", 20}, {"07", 8}, {"05", 8}, {"02", 5}, {"06", 3}, {"11", 1}}};
    static constexpr std::array<int, 4> kStyles{15, 35, 30, 20};

    Profile p;
    HorseTraits& t = p.traits;
    t.age = today.typeCode == '2' ? 3 : today.jump ? random.between(4, 8) : weightedPick(random, kOlderAges);
    // Few fillies take on colts in jumps and in the three-year-old open races.
    t.female = random.chance(today.jump || (t.age == 3 && today.level == kOpen) ? 12 : t.age == 3 ? 40 : 30);
    p.sexCode = t.female ? '1' : (t.age >= 4 && random.chance(20)) ? '2' : '0';
    t.west = random.chance(course.west ? 80 : 20);
    bool strongField = today.level == kOpen || today.level == k1600;
    t.ability = strongField ? random.between(45, 100) : random.between(0, 90);
    t.style = static_cast<int>(random.weighted(kStyles));
    t.bodyWeight = t.female ? random.between(420, 490) : random.between(446, 530);
    t.jockey = unusedName(names.jockeysInRace, [&] { return jockeyName(random, today.jump); });
    p.name = unusedName(names.horses, [&] { return horseName(random, t.female); });
    p.trainer = trainer(random, t.west);
    p.birthplace = weightedPick(random, kBirthplaces);
    bool foreign = std::string_view(p.birthplace) == "073" || std::string_view(p.birthplace) == "075";
    p.marker = foreign ? "06" : random.chance(8) ? "04" : random.chance(2) ? "01" : "00";
    p.coat = weightedPick(random, kCoats);
    p.rate = std::min(300 + t.ability * 5 + random.between(0, 60), 999);
    return p;
}

Pedigree makePedigree(Random& random) {
    Pedigree p;
    p.sire = sireName(random);
    p.dam = horseName(random, true);
    p.damSire = sireName(random);
    p.damDam = horseName(random, true);
    p.owner = ownerName(random);
    p.breeder = breederName(random);
    return p;
}

int weightCarriedToday(const RacePlan& today, const HorseTraits& t) {
    std::string_view rule = today.weightRule;
    int female = t.female ? 20 : 0;
    if (today.jump) return (rule == "00" ? 600 + t.ability / 25 * 10 : 600) - female;
    if (rule == "02") return std::clamp(500 + t.ability * 8 / 10 / 5 * 5, 500, 585);
    if (rule == "00") return 570 + t.ability / 25 * 10 - female;
    return (t.age == 3 ? 570 : 580) - female;
}

namespace {

long long winPrize(const Start& s) {
    if (s.jump) {
        if (s.level != kOpen) return 8'000'000;
        return s.grade == '3' ? 66'000'000 : s.grade == '4' ? 40'000'000 : s.grade == '5' ? 30'000'000 : 20'000'000;
    }
    switch (s.level) {
        case kDebut: return 7'000'000;
        case kMaiden: return 5'600'000;
        case k500: return 8'000'000;
        case k1000: return 11'000'000;
        case k1600: return 15'500'000;
        default:
            return s.grade == '0'   ? 150'000'000
                   : s.grade == '1' ? 65'000'000
                   : s.grade == '2' ? 41'000'000
                                    : 24'000'000;
    }
}

int distanceBand(int distance) {
    static constexpr int kUpTo[] = {1000, 1200, 1400, 1600, 1800, 2000, 2200};
    int band = 0;
    while (band < 7 && distance > kUpTo[band]) ++band;
    return band;
}

// The career record and the record table, counted over every start of the career.
void countRecord(const std::vector<Start>& career, Counters& groups, std::array<int, 4>& totals) {
    for (const Start& s : career) {
        int place = s.finish >= 1 && s.finish <= 3 ? s.finish - 1 : 3;
        ++totals[place];
        ++groups[0][place];
        if (s.finish <= 2) ++groups[horse_line::kGroupRunningStyle][s.runningStyle];
        if (s.jump) {
            ++groups[16][place];
            continue;
        }
        int handed =
            (s.turf ? horse_line::kGroupTurfRight : horse_line::kGroupDirtRight) + (leftHanded(s.courseCode) ? 1 : 0);
        ++groups[handed][place];
        if (straightCourse(s)) ++groups[horse_line::kGroupStraight][place];
        ++groups[(s.turf ? 8 : 12) + s.goingCode][place];
        ++groups[(s.turf ? horse_line::kGroupTurfDistance : horse_line::kGroupDirtDistance) + distanceBand(s.distance)]
                [place];
    }
}

DateField dateOf(std::chrono::sys_days d) {
    const std::chrono::year_month_day ymd{d};
    return dateValue(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())));
}

// A number that the record leaves blank when there is none.
NumberField numberOrBlank(int value) { return value > 0 ? numberValue(value) : NumberField{}; }

CodeField<Flag> flag(bool set) { return codeValue(set ? Flag::Yes : Flag::No); }

PastRace pastRaceOf(const Start& s) {
    PastRace p;
    p.racecourse = codeOfText<Racecourse>(s.courseCode);
    p.raceDate = dateOf(s.date);
    p.jump = flag(s.jump);
    p.shortName = textValue(s.shortName);
    p.grade = codeOfText<Grade>(std::string_view(&s.grade, 1));
    p.weightRule = codeOfText<WeightRule>(s.weightRule);
    p.raceClass = codeOfText<RaceClass>(classCode(s.level));
    p.turf = flag(s.turf && !s.jump);
    p.distance = numberValue(s.distance);
    p.fieldSize = numberValue(s.fieldSize);
    p.pace = codeValue(static_cast<Pace>(s.paceCode));
    p.going = codeValue(static_cast<Going>(s.goingCode));
    p.horseNumber = numberValue(s.horseNumber);
    p.weightCarried = numberValue(s.weightCarried);
    p.bodyWeight = numberValue(s.bodyWeight);
    p.jockeyName = textValue(s.jockey);
    p.popularity = numberValue(s.popularity);
    p.finish = numberValue(s.finish);
    // "MSSS": the minutes, then the seconds in tenths.
    p.raceTime = s.time > 0 ? numberValue(s.time / 600 * 1000 + s.time % 600) : NumberField{};
    p.margin = numberValue(std::llabs(s.margin));
    p.first3f = numberOrBlank(s.firstPart);
    p.last3f = numberOrBlank(s.last3f);
    for (size_t c = 0; c < 4; ++c) p.corners[c] = numberValue(s.corners[c]);
    p.opponentName = textValue(s.opponent);
    return p;
}

}  // namespace

std::string horseLine(const Profile& p, const Pedigree& pedigree, const std::vector<Start>& career) {
    HorseRecord r;
    r.horseName = textValue(p.name);
    r.coatColour = codeOfText<CoatColour>(p.coat);
    r.birthplace = codeOfText<Birthplace>(p.birthplace);
    r.marker = codeOfText<HorseMarker>(p.marker);
    r.sireName = textValue(pedigree.sire);
    r.damName = textValue(pedigree.dam);
    r.damSireName = textValue(pedigree.damSire);
    r.damDamName = textValue(pedigree.damDam);
    r.ownerName = textValue(pedigree.owner);
    r.breederName = textValue(pedigree.breeder);
    r.trainerName = textValue(p.trainer.name);
    r.trainerCentre = codeOfText<TrainerCentre>(p.trainer.centreCode);

    static constexpr int kSharePercent[] = {100, 40, 25, 15, 10};
    long long main = 0, flat = 0, jump = 0;
    for (const Start& s : career) {
        if (s.finish < 1 || s.finish > 5) continue;
        long long prize = winPrize(s) * kSharePercent[s.finish - 1] / 100;
        (s.jump ? jump : flat) += prize;
        if (s.finish == 1 || (s.finish == 2 && s.level == kOpen)) main += prize;
    }
    r.mainPrize = numberValue(main);
    r.totalPrizePart1 = numberValue(flat);
    r.totalPrizePart2 = numberValue(jump);

    Counters groups{};
    std::array<int, 4> totals{};
    countRecord(career, groups, totals);
    for (size_t c = 0; c < 4; ++c) r.record[c] = numberValue(totals[c]);
    for (size_t g = 0; g < groups.size(); ++g) {
        for (size_t c = 0; c < 4; ++c) r.recordTable[g][c] = numberValue(std::min(groups[g][c], 99));
    }
    for (size_t k = 0; k < r.pastRaces.size() && k < career.size(); ++k) r.pastRaces[k] = pastRaceOf(career[k]);
    return encodeHorseRecord(r).bytes();
}

std::string runnerLine(const Profile& p, const RacePlan& today, int frame) {
    RunnerEntry runner;
    runner.frameNumber = numberValue(frame);
    runner.horseName = textValue(p.name);
    runner.sex = codeOfText<Sex>(std::string_view(&p.sexCode, 1));
    runner.age = numberValue(p.traits.age);
    runner.weightCarried = numberValue(weightCarriedToday(today, p.traits));
    runner.jockeyName = textValue(p.traits.jockey);
    runner.rate = numberValue(p.rate);
    return encodeRunnerEntry(runner).bytes();
}

RunnerLines makeRunner(Random& random, const CourseDay& course, const RacePlan& today, int frame, NamesInUse& names) {
    Profile p = makeProfile(random, course, today, names);
    std::vector<Start> career = makeCareer(random, today, p.traits);
    Pedigree pedigree = makePedigree(random);
    return {runnerLine(p, today, frame), horseLine(p, pedigree, career)};
}

}  // namespace zv::demo
