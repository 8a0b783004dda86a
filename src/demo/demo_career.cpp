#include "demo_career.h"

#include <algorithm>
#include <optional>
#include <set>

#include "demo_names.h"

namespace zv::demo {
namespace {

using namespace std::chrono;

// An open race the horses of the demo may have met, with where and how it is run.
struct OpenRace {
    std::string_view shortName;
    const char* course;
    bool turf;
    int distance;
    char grade;      // ' ' for a listed race
    bool young;      // for two- and three-year-olds
    unsigned month;  // when it is run; 0 for a race run all year
};

constexpr OpenRace kFlatOpenRaces[] = {
    {"皐月賞", "05", true, 2000, '0', true, 4},   {"弥生賞", "05", true, 2000, '1', true, 3},
    {"若葉Ｓ", "01", true, 2000, ' ', true, 3},   {"京成杯", "05", true, 2000, '2', true, 1},
    {"毎日杯", "01", true, 1800, '2', true, 3},   {"共同通", "04", true, 1800, '2', true, 2},
    {"きさら", "00", true, 1800, '2', true, 2},   {"ホープ", "05", true, 2000, '0', true, 12},
    {"東スポ", "04", true, 1800, '1', true, 11},  {"すみれ", "01", true, 2200, ' ', true, 2},
    {"スプリ", "05", true, 1800, '1', true, 3},   {"ヒヤシ", "05", false, 1800, ' ', true, 3},
    {"有馬記", "05", true, 2500, '0', false, 12}, {"菊花賞", "00", true, 3000, '0', false, 10},
    {"阪神大", "01", true, 3000, '1', false, 3},  {"日経賞", "05", true, 2500, '1', false, 3},
    {"ダイヤ", "04", true, 3400, '2', false, 2},  {"京都記", "00", true, 2200, '1', false, 2},
    {"ＡＪＣ", "05", true, 2200, '1', false, 1},  {"日経新", "00", true, 2400, '1', false, 1},
    {"中山記", "05", true, 1800, '1', false, 2},  {"金鯱賞", "02", true, 2000, '1', false, 3},
    {"中日新", "02", true, 2000, '2', false, 12}, {"小倉大", "03", true, 1800, '2', false, 2},
    {"大阪杯", "01", true, 2000, '0', false, 4},  {"福島民", "06", true, 2000, ' ', false, 4},
    {"七夕賞", "06", true, 2000, '2', false, 7},  {"小倉記", "03", true, 2000, '2', false, 8},
    {"札幌記", "08", true, 2000, '1', false, 8},  {"函館記", "09", true, 2000, '2', false, 6},
    {"白富士", "04", true, 2000, ' ', false, 1},  {"京都金", "00", true, 1600, '2', false, 1},
    {"シルク", "00", true, 1200, '2', false, 1},  {"阪急杯", "01", true, 1400, '2', false, 2},
    {"マーチ", "05", false, 1800, '2', false, 3}, {"平安Ｓ", "00", false, 1900, '2', false, 5},
    {"根岸Ｓ", "04", false, 1400, '2', false, 1}, {"ポラリ", "01", false, 1400, ' ', false, 3},
};

constexpr OpenRace kJumpOpenRaces[] = {
    {"中山大", "05", false, 4100, '3', false, 12}, {"阪神ス", "01", false, 3140, '4', false, 3},
    {"東京ハ", "04", false, 3110, '4', false, 10}, {"小倉サ", "03", false, 3390, '5', false, 8},
    {"新潟ジ", "07", false, 3250, '5', false, 8},  {"京都ジ", "00", false, 3170, '5', false, 11},
    {"", "05", false, 3200, ' ', false, 0},        {"", "01", false, 3000, ' ', false, 0},
};

struct CourseDistances {
    const char* code;
    std::span<const int> turf;
    std::span<const int> dirt;
    std::span<const int> jump;
};

constexpr int kKyotoT[] = {1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000, 3200}, kKyotoD[] = {1200, 1400, 1800, 1900},
              kKyotoJ[] = {2910, 3170, 3930};
constexpr int kHanshinT[] = {1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000}, kHanshinD[] = {1200, 1400, 1800, 2000},
              kHanshinJ[] = {2970, 3140, 3900};
constexpr int kChukyoT[] = {1200, 1400, 1600, 2000, 2200}, kChukyoD[] = {1200, 1400, 1800, 1900},
              kChukyoJ[] = {3000, 3300};
constexpr int kKokuraT[] = {1200, 1800, 2000, 2600}, kKokuraD[] = {1000, 1700, 2400}, kKokuraJ[] = {2860, 3390};
constexpr int kTokyoT[] = {1400, 1600, 1800, 2000, 2300, 2400, 3400}, kTokyoD[] = {1300, 1400, 1600, 2100},
              kTokyoJ[] = {3000, 3110, 3300};
constexpr int kNakayamaT[] = {1200, 1600, 1800, 2000, 2200, 2500}, kNakayamaD[] = {1200, 1800, 2400},
              kNakayamaJ[] = {2880, 3200, 3350, 4100};
constexpr int kFukushimaT[] = {1200, 1800, 2000, 2600}, kFukushimaD[] = {1150, 1700, 2400},
              kFukushimaJ[] = {2750, 3380};
constexpr int kNiigataT[] = {1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400}, kNiigataD[] = {1200, 1800, 2500},
              kNiigataJ[] = {2850, 2890, 3250};
constexpr int kHokkaidoT[] = {1200, 1500, 1800, 2000, 2600}, kHokkaidoD[] = {1000, 1700, 2400};

constexpr CourseDistances kDistances[] = {
    {"00", kKyotoT, kKyotoD, kKyotoJ},
    {"01", kHanshinT, kHanshinD, kHanshinJ},
    {"02", kChukyoT, kChukyoD, kChukyoJ},
    {"03", kKokuraT, kKokuraD, kKokuraJ},
    {"04", kTokyoT, kTokyoD, kTokyoJ},
    {"05", kNakayamaT, kNakayamaD, kNakayamaJ},
    {"06", kFukushimaT, kFukushimaD, kFukushimaJ},
    {"07", kNiigataT, kNiigataD, kNiigataJ},
    {"08", kHokkaidoT, kHokkaidoD, {}},
    {"09", kHokkaidoT, kHokkaidoD, {}},
};

const CourseDistances& distancesOf(const std::string& code) {
    for (const CourseDistances& c : kDistances) {
        if (code == c.code) return c;
    }
    return kDistances[0];
}

// Where a horse of the west or the east ran in a given month (summer in the north and Kokura).
std::string pickCourse(Random& random, bool west, unsigned month, bool jump) {
    static constexpr const char* kWest[] = {"00", "01", "01", "02"};
    static constexpr const char* kEast[] = {"04", "05", "05", "06", "07"};
    static constexpr const char* kWestSummer[] = {"08", "09", "03", "02"};
    static constexpr const char* kEastSummer[] = {"08", "09", "07", "06"};
    bool summer = month == 7 || month == 8;
    for (;;) {
        std::span<const char* const> pool = west ? (summer ? std::span<const char* const>(kWestSummer) : kWest)
                                                 : (summer ? std::span<const char* const>(kEastSummer) : kEast);
        std::string code = random.pick(pool);
        if (!jump || !distancesOf(code).jump.empty()) return code;
        summer = false;
    }
}

int nearestDistance(std::span<const int> distances, int target) {
    return *std::min_element(distances.begin(), distances.end(),
                             [&](int a, int b) { return std::abs(a - target) < std::abs(b - target); });
}

// The Sunday or the Saturday before it.
sys_days weekendOf(Random& random, sys_days sunday) { return sunday - days{random.chance(45) ? 1 : 0}; }

// Weeks between two starts: mostly two to eight, now and then a rest, rarely a long layoff.
int gapWeeks(Random& random, bool first, int age) {
    if (first && age >= 4 && random.chance(8)) return random.between(48, 62);
    if (random.chance(10)) return random.between(10, 26);
    return random.between(2, 8);
}

int earlyPosition(Random& random, int style, int runners) {
    switch (style) {
        case 0: return random.between(1, 2);
        case 1: return random.between(2, std::max(3, runners / 3));
        case 2: return random.between(std::max(2, runners * 35 / 100), std::max(3, runners * 65 / 100));
        default: return random.between(std::max(3, runners * 7 / 10), runners);
    }
}

int shownStyle(int early, int runners) {
    if (early == 1) return 0;
    if (early <= std::max(2, runners / 4)) return 1;
    if (early <= runners * 2 / 3) return 2;
    return 3;
}

int nonWinningFinish(Random& random, int runners, int ability) {
    int base = 2 + (100 - ability) * (runners - 2) / 100;
    return std::clamp(base + random.between(-3, 3), 2, runners);
}

void placeCorners(Random& random, Start& s, int early) {
    int n = s.fieldSize;
    int end = std::min(s.finish, n);
    auto towards = [&](int parts, int of) {
        return std::clamp(early + (end - early) * parts / of + random.between(-1, 1), 1, n);
    };
    if (straightCourse(s)) return;
    if (s.jump || s.distance > 1600) {
        s.corners = {early, std::clamp(early + random.between(-1, 1), 1, n), towards(1, 3), towards(2, 3)};
    } else {
        s.corners = {0, 0, early, towards(1, 2)};
    }
}

int leaderFirst3f(Random& random, bool turf, int distance) {
    int lo = distance <= 1200 ? 330 : distance <= 1400 ? 338 : distance <= 1600 ? 343 : distance <= 2000 ? 352 : 358;
    int t = random.between(lo, lo + (distance > 2000 ? 20 : 13));
    return std::min(turf ? t : t + random.between(10, 14), 385);
}

// Times, margin and pace of a flat start; the winner's time is built from an early part, a
// middle part at an even pace and a closing part, and the horse's own from its position.
void flatTimes(Random& random, Start& s, int early, int level) {
    int leader = leaderFirst3f(random, s.turf, s.distance);
    int closing = s.turf ? random.between(335, s.distance > 2000 ? 360 : 350) : random.between(360, 378);
    int pace = (s.turf ? 116 : 122) + (s.distance - 1200) / 400 + random.between(0, 4);
    int middle = (s.distance - 1200) * pace / 200;
    int perKm = (s.turf ? s.goingCode * 4 : -s.goingCode * 2) + (kOpen - std::min(level, int(kOpen))) * 2;
    middle += perKm * s.distance / 1000;
    int winnerTime = leader + middle + closing;

    int deficit = std::min((early - 1) * random.between(6, 12) / 10, 385 - leader);
    int own = std::max(leader + deficit, 335);
    s.margin = s.finish == 1 ? -random.between(1, 5)
                             : (s.finish - 1) * random.between(1, 3) + random.between(0, 2) +
                                   (s.finish > s.fieldSize * 7 / 10 ? random.between(3, 10) : 0);
    int last = closing + std::max(s.margin, 0) - (own - leader);
    if (last < 325) {
        own = std::max({leader, 335, own - (325 - last)});
        last = 325;
    }
    s.last3f = std::min(last, 420);
    s.time = own + middle + s.last3f;
    if (s.finish > 1) s.margin = std::max(0, s.time - winnerTime);
    // In a 1000 m race the early part on record is the first two furlongs.
    s.firstPart = s.distance <= 1000 ? own - pace : own;
    int usual = leaderFirst3f(random, s.turf, s.distance);
    s.paceCode = leader < usual - 4 ? 0 : leader > usual + 4 ? 2 : 1;
}

void jumpTimes(Random& random, Start& s) {
    s.margin = s.finish == 1 ? -random.between(2, 10) : (s.finish - 1) * random.between(3, 8);
    s.time = s.distance * random.between(128, 134) / 200 + s.goingCode * 15 + std::max(s.margin, 0);
    s.last3f = random.between(375, 410) + std::max(s.margin, 0) / 4;
    s.paceCode = random.between(0, 2);
}

int weightCarried(int ageThen, bool female, const Start& s, int ability) {
    if (s.jump) return 600 + (s.level == kOpen ? ability / 10 * 5 / 2 : 0) - (female ? 20 : 0);
    if (std::string_view(s.weightRule) == "02") return std::clamp(500 + ability * 8 / 10 / 5 * 5, 500, 590);
    int base = ageThen <= 2 ? 550 : ageThen == 3 ? 570 : 580;
    return base - (female ? 20 : 0);
}

}  // namespace

bool leftHanded(const std::string& courseCode) {
    return courseCode == "04" || courseCode == "07" || courseCode == "02";
}

bool straightCourse(const Start& start) {
    return start.courseCode == "07" && start.turf && !start.jump && start.distance == 1000;
}

namespace {

// A run of starts of one kind (flat or over jumps) climbing a ladder of classes: the horse stands
// on rung today and won once for every rung it climbed.
struct Segment {
    bool jump;
    std::vector<int> ladder;
    int rung;
    int count;
};

std::vector<Segment> plannedSegments(Random& random, const RacePlan& today, int age) {
    if (today.level == kDebut) return {};
    if (today.jump) {
        bool open = today.level == kOpen;
        Segment jumps{true, {kMaiden, kOpen}, open ? 1 : 0, open ? random.between(3, 12) : random.between(0, 5)};
        Segment flat{false, {kMaiden, k500, k1000}, random.chance(60) ? 1 : 0, random.between(5, 16)};
        return {jumps, flat};
    }
    if (age == 3) {
        int rung = today.level == kMaiden ? 0 : today.level == k500 ? 1 : 2;
        int count = rung == 0   ? (random.chance(10) ? 0 : random.between(1, 6))
                    : rung == 1 ? random.between(2, 7)
                                : random.between(3, 7);
        return {{false, {kMaiden, k500, kOpen}, rung, count}};
    }
    static constexpr int kMin[] = {2, 4, 6, 8, 10};
    static constexpr int kMax[] = {8, 16, 20, 24, 28};
    int rung = today.level - kMaiden;
    int count = std::max(rung, std::min(random.between(kMin[rung], kMax[rung]), (age - 2) * 8));
    return {{false, {kMaiden, k500, k1000, k1600, kOpen}, rung, count}};
}

// Start dates from the most recent back, none before the June of the horse's two-year-old season.
std::vector<sys_days> startDates(Random& random, int total, int age) {
    const sys_days debutLimit = sys_days{year{static_cast<int>(kMeetingDay.year()) - age + 2} / June / 1};
    std::vector<sys_days> dates;
    sys_days sunday = sys_days{kMeetingDay};
    for (int i = 0; i < total; ++i) {
        sunday -= days{7 * gapWeeks(random, i == 0, age)};
        sys_days date = weekendOf(random, sunday);
        if (date < debutLimit) break;
        dates.push_back(date);
    }
    return dates;
}

// Named open races a horse ran, by name and year: each is run once a year.
using RacesRun = std::set<std::string>;

// The day a named race is run in a year: the first, second or third Sunday of its month, the
// same for every horse that ran it. Nothing for races run all year.
std::optional<sys_days> raceDay(const OpenRace& r, year y) {
    if (r.month == 0) return std::nullopt;
    unsigned k = 1;
    for (unsigned char c : r.shortName) k += c;
    return sys_days{y / month{r.month} / Sunday[k % 3 + 1]};
}

bool fitsOpenRace(const OpenRace& r, const Start& s, const RacePlan& today, int ageThen, const RacesRun& run) {
    year_month_day ymd{s.date};
    if (auto day = raceDay(r, ymd.year()); day && (*day - s.date > days{1} || s.date - *day > days{1})) return false;
    if (run.count(std::string(r.shortName) + std::to_string(static_cast<int>(ymd.year())))) return false;
    return s.jump ||
           (r.young == (ageThen <= 3) && r.turf == today.turf && std::abs(r.distance - today.distance) <= 600);
}

void placeRace(Random& random, Start& s, const RacePlan& today, const HorseTraits& horse, int ageThen, RacesRun& run) {
    unsigned month = static_cast<unsigned>(year_month_day{s.date}.month());
    if (s.level == kOpen && (s.jump || random.chance(60))) {
        std::vector<const OpenRace*> fits;
        for (const OpenRace& r : s.jump ? std::span<const OpenRace>(kJumpOpenRaces) : kFlatOpenRaces) {
            if (fitsOpenRace(r, s, today, ageThen, run)) fits.push_back(&r);
        }
        if (!fits.empty()) {
            const OpenRace& r = *fits[static_cast<size_t>(random.between(0, static_cast<int>(fits.size()) - 1))];
            s.courseCode = r.course;
            s.turf = r.turf;
            s.distance = r.distance;
            s.grade = r.grade;
            s.shortName = r.shortName;
            if (auto day = raceDay(r, year_month_day{s.date}.year())) s.date = *day;
            run.insert(s.shortName + std::to_string(static_cast<int>(year_month_day{s.date}.year())));
            s.weightRule = r.grade == '0' ? "03" : random.chance(30) ? "02" : "00";
            return;
        }
    }
    s.courseCode = pickCourse(random, horse.west, month, s.jump);
    const CourseDistances& d = distancesOf(s.courseCode);
    if (s.jump) {
        s.distance = random.pick(d.jump);
    } else {
        s.turf = today.jump ? random.chance(50) : (random.chance(75) ? today.turf : !today.turf);
        static constexpr int kDeltas[] = {-400, -200, 0, 0, 0, 200, 400};
        int target =
            today.jump ? random.between(1600, 2400) : today.distance + random.pick(std::span<const int>(kDeltas));
        // Races beyond 2600 m are nearly all open races.
        if (s.level != kOpen) target = std::min(target, 2600);
        s.distance = nearestDistance(s.turf ? d.turf : d.dirt, target);
    }
    if (s.level == kOpen || (s.level >= k500 && random.chance(30))) {
        s.shortName = specialShortName(s.courseCode, static_cast<int>(s.date.time_since_epoch().count()), s.level);
    }
    bool young = ageThen <= 3 || s.level <= kMaiden;
    s.weightRule = young ? "01" : (!s.shortName.empty() && s.level >= k1000 && random.chance(30)) ? "02" : "03";
}

Start makeStart(Random& random, sys_days date, const Segment& seg, int level, bool win, const RacePlan& today,
                const HorseTraits& horse, RacesRun& run) {
    Start s;
    s.date = date;
    s.jump = seg.jump;
    int ageThen = static_cast<int>(year_month_day{date}.year()) - (static_cast<int>(kMeetingDay.year()) - horse.age);
    // Maiden races end in the three-year-old season; older maidens run in the lowest class.
    s.level = !s.jump && level <= kMaiden && ageThen >= 4 ? k500 : level;
    placeRace(random, s, today, horse, ageThen, run);
    s.fieldSize = s.jump ? random.between(8, 14) : random.between(10, 18);
    static constexpr int kGoingWeights[] = {70, 15, 10, 5};
    s.goingCode = static_cast<int>(random.weighted(kGoingWeights));
    s.horseNumber = random.between(1, s.fieldSize);
    s.finish = win                                    ? 1
               : (level == kOpen && random.chance(6)) ? 1
                                                      : nonWinningFinish(random, s.fieldSize, horse.ability);
    int early = earlyPosition(random, std::clamp(horse.style + random.between(-1, 1), 0, 3), s.fieldSize);
    if (s.jump)
        jumpTimes(random, s);
    else
        flatTimes(random, s, early, level);
    placeCorners(random, s, early);
    s.runningStyle = shownStyle(early, s.fieldSize);
    if (s.finish > 1 && random.chance(1)) {  // stopped during the race
        s.finish = 33;
        s.time = 0;
        s.margin = 998;
        s.last3f = 0;
        s.corners[3] = 0;
    }
    s.popularity = std::clamp(std::min(s.finish, s.fieldSize) + random.between(-4, 3), 1, s.fieldSize);
    s.bodyWeight = (horse.bodyWeight - 8 * (horse.age - ageThen) + random.between(-4, 4)) / 2 * 2;
    s.weightCarried = weightCarried(ageThen, horse.female, s, horse.ability);
    s.jockey = s.jump == today.jump && random.chance(55) ? horse.jockey : jockeyName(random, s.jump);
    s.opponent = horseName(random, random.chance(40));
    return s;
}

}  // namespace

std::vector<Start> makeCareer(Random& random, const RacePlan& today, const HorseTraits& horse) {
    std::vector<Segment> segments = plannedSegments(random, today, horse.age);
    int total = 0;
    for (const Segment& seg : segments) total += seg.count;
    std::vector<sys_days> dates = startDates(random, total, horse.age);

    std::vector<Start> career;
    RacesRun run;
    size_t next = 0;
    for (Segment& seg : segments) {
        int count = std::min(seg.count, static_cast<int>(dates.size() - next));
        int rung = std::min(seg.rung, count);
        for (int i = 0; i < count; ++i) {
            // Walking back in time, a win is where the horse climbed to the rung it stands on.
            bool win = rung > 0 && (rung >= count - i || random.chance(seg.jump ? 15 : 30));
            if (win) --rung;
            career.push_back(
                makeStart(random, dates[next++], seg, seg.ladder[static_cast<size_t>(rung)], win, today, horse, run));
        }
        if (!seg.jump && count > 0 && career.back().level == kMaiden) career.back().level = kDebut;
    }
    return career;
}

}  // namespace zv::demo
