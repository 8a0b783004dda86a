#include "demo_horse.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "data/records.h"
#include "data/sjis.h"
#include "demo_career.h"
#include "demo_names.h"
#include "record_builder.h"

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

namespace {}  // namespace

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

std::string format(const char* pattern, long long value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string dateText(std::chrono::sys_days d) {
    std::chrono::year_month_day ymd{d};
    return format("%04lld", static_cast<int>(ymd.year())) + format("%02lld", static_cast<unsigned>(ymd.month())) +
           format("%02lld", static_cast<unsigned>(ymd.day()));
}

std::string timeText(int tenths) {
    return tenths <= 0 ? "" : format("%lld", tenths / 600) + format("%03lld", tenths % 600);
}

void writePastRace(RecordBuilder& b, int k, const Start& s) {
    using namespace horse_line;
    b.setPast(past_racecourse_code, k, s.courseCode).setPast(past_race_date, k, dateText(s.date));
    b.setPast(past_jump_flag, k, s.jump ? "1" : "0").setPast(past_race_short_name, k, sj(s.shortName));
    b.setPast(past_grade_code, k, std::string(1, s.grade)).setPast(past_weight_rule_code, k, s.weightRule);
    b.setPast(past_race_class_code, k, classCode(s.level)).setPast(past_turf_flag, k, s.turf && !s.jump ? "1" : "0");
    b.setPastNumber(past_distance, k, s.distance).setPastNumber(past_field_size, k, s.fieldSize);
    b.setPastNumber(past_pace_code, k, s.paceCode).setPastNumber(past_going_code, k, s.goingCode);
    b.setPastNumber(past_horse_number, k, s.horseNumber).setPastNumber(past_weight_carried, k, s.weightCarried);
    b.setPastNumber(past_body_weight, k, s.bodyWeight).setPast(past_jockey_name, k, sj(s.jockey));
    b.setPastNumber(past_popularity, k, s.popularity).setPastNumber(past_finish, k, s.finish);
    b.setPast(past_race_time, k, timeText(s.time)).setPast(past_margin, k, format("%03lld", std::llabs(s.margin)));
    b.setPast(past_first_3f, k, s.firstPart > 0 ? format("%03lld", s.firstPart) : "");
    b.setPast(past_last_3f, k, s.last3f > 0 ? format("%03lld", s.last3f) : "");
    const FieldDef corners[] = {past_corner1, past_corner2, past_corner3, past_corner4};
    for (int c = 0; c < 4; ++c) b.setPastNumber(corners[c], k, s.corners[static_cast<size_t>(c)]);
    b.setPast(past_opponent_name, k, sj(s.opponent));
}

}  // namespace

std::string horseLine(const Profile& p, const Pedigree& pedigree, const std::vector<Start>& career) {
    using namespace horse_line;
    RecordBuilder b(kHorseLineLength);
    b.set(horse_name, sj(p.name)).set(coat_colour_code, p.coat).set(birthplace_code, p.birthplace);
    b.set(horse_marker_code, p.marker).set(sire_name, sj(pedigree.sire));
    b.set(dam_name, sj(pedigree.dam)).set(dam_sire_name, sj(pedigree.damSire));
    b.set(dam_dam_name, sj(pedigree.damDam)).set(owner_name, sj(pedigree.owner));
    b.set(breeder_name, sj(pedigree.breeder)).set(trainer_name, sj(p.trainer.name));
    b.set(trainer_centre_code, p.trainer.centreCode);

    static constexpr int kSharePercent[] = {100, 40, 25, 15, 10};
    long long main = 0, flat = 0, jump = 0;
    for (const Start& s : career) {
        if (s.finish < 1 || s.finish > 5) continue;
        long long prize = winPrize(s) * kSharePercent[s.finish - 1] / 100;
        (s.jump ? jump : flat) += prize;
        if (s.finish == 1 || (s.finish == 2 && s.level == kOpen)) main += prize;
    }
    b.setNumber(main_prize, main).setNumber(total_prize_part1, flat).setNumber(total_prize_part2, jump);

    Counters groups{};
    std::array<int, 4> totals{};
    countRecord(career, groups, totals);
    const FieldDef record[] = {record_firsts, record_seconds, record_thirds, record_unplaced};
    for (int c = 0; c < 4; ++c) b.setNumber(record[c], totals[static_cast<size_t>(c)]);
    for (int g = 0; g < kRecordGroups; ++g) {
        for (int c = 0; c < 4; ++c) b.setNumber(recordCounter(g, c), std::min(groups[g][c], 99));
    }
    for (int k = 0; k < kPastGroups && k < static_cast<int>(career.size()); ++k) writePastRace(b, k, career[k]);
    return b.line();
}

std::string runnerLine(const Profile& p, const RacePlan& today, int frame) {
    RecordBuilder runner(kRunnerLineLength);
    runner.setNumber(runner_line::frame_number, frame).set(runner_line::horse_name, sj(p.name));
    runner.set(runner_line::sex_code, std::string(1, p.sexCode)).setNumber(runner_line::age, p.traits.age);
    runner.setNumber(runner_line::weight_carried, weightCarriedToday(today, p.traits))
        .set(runner_line::jockey_name, sj(p.traits.jockey));
    runner.setNumber(runner_line::rate, p.rate);
    return runner.line();
}

RunnerLines makeRunner(Random& random, const CourseDay& course, const RacePlan& today, int frame, NamesInUse& names) {
    Profile p = makeProfile(random, course, today, names);
    std::vector<Start> career = makeCareer(random, today, p.traits);
    Pedigree pedigree = makePedigree(random);
    return {runnerLine(p, today, frame), horseLine(p, pedigree, career)};
}

}  // namespace zv::demo
