#include "demo_season_race.h"

#include <algorithm>
#include <numeric>

namespace zv::demo {
namespace {

constexpr int kScratched = 34;
constexpr int kDidNotFinish = 33;
constexpr int kNoMargin = 998;

// The day's chance, about ten points either way: the sum of two uniform draws.
int dayChance(Random& random) { return random.between(-12, 12) + random.between(-12, 12); }

// Early three furlongs of an average leader at this distance, in tenths.
int usualLeaderFirst3f(bool turf, int distance) {
    int lo = distance <= 1200 ? 330 : distance <= 1400 ? 338 : distance <= 1600 ? 343 : distance <= 2000 ? 352 : 358;
    return lo + (distance > 2000 ? 10 : 6) + (turf ? 0 : 12);
}

int shownStyle(int early, int runners) {
    if (early == 1) return 0;
    if (early <= std::max(2, runners / 4)) return 1;
    if (early <= runners * 2 / 3) return 2;
    return 3;
}

// Positions at the corners, from the early position towards the finish.
void placeCorners(Random& random, Start& s, int early, int runners) {
    int end = std::min(s.finish, runners);
    auto towards = [&](int parts, int of) {
        return std::clamp(early + (end - early) * parts / of + random.between(-1, 1), 1, runners);
    };
    if (straightCourse(s)) return;
    if (s.jump || s.distance > 1600) {
        s.corners = {early, std::clamp(early + random.between(-1, 1), 1, runners), towards(1, 3), towards(2, 3)};
    } else {
        s.corners = {0, 0, early, towards(1, 2)};
    }
}

// The first three characters of a race name (UTF-8), as the short name of a past race.
std::string shortNameOf(std::string_view name) {
    size_t end = 0;
    for (int chars = 0; end < name.size() && chars < 3; ++chars) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    return std::string(name.substr(0, end));
}

}  // namespace

int expectedForm(const HiddenAbility& ability, const RacePlan& plan) {
    if (plan.jump) return ability.jump;
    int surface = plan.turf ? ability.turf : ability.dirt;
    return surface - std::abs(plan.distance - ability.bestDistance) / 100 * 2;
}

std::vector<Start> runSeasonRace(Random& random, const CourseDay& course, const RacePlan& plan,
                                 std::chrono::sys_days date, int goingCode, const std::vector<SeasonRunner>& runners) {
    const int n = static_cast<int>(runners.size());
    std::vector<Start> starts(runners.size());
    std::vector<int> running;  // runner indexes that start
    for (int i = 0; i < n; ++i) {
        Start& s = starts[i];
        s.date = date;
        s.courseCode = course.code;
        s.jump = plan.jump;
        s.turf = plan.turf && !plan.jump;
        s.distance = plan.distance;
        s.level = plan.level;
        s.grade = plan.grade;
        s.shortName = shortNameOf(plan.name);
        s.weightRule = plan.weightRule;
        s.fieldSize = n;
        s.goingCode = goingCode;
        s.horseNumber = i + 1;
        s.weightCarried = runners[i].weightCarried;
        s.bodyWeight = runners[i].bodyWeight;
        s.jockey = runners[i].jockey;
        if (n > 2 && random.chance(1)) {
            s.finish = s.popularity = kScratched;
            s.margin = kNoMargin;
        } else {
            running.push_back(i);
        }
    }
    const int field = static_cast<int>(running.size());
    if (field == 0) return starts;

    // Early positions and the pace they make.
    std::vector<int> early(runners.size(), 0);
    std::vector<int> byEarly = running;
    std::vector<int> earlyScore(runners.size(), 0);
    for (int i : running) earlyScore[i] = runners[i].ability.earlySpeed + random.between(-10, 10);
    std::stable_sort(byEarly.begin(), byEarly.end(), [&](int a, int b) { return earlyScore[a] > earlyScore[b]; });
    for (int p = 0; p < field; ++p) early[byEarly[p]] = p + 1;
    int leaders = std::min(field, 3), leaderSpeed = 0;
    for (int p = 0; p < leaders; ++p) leaderSpeed += runners[byEarly[p]].ability.earlySpeed;
    leaderSpeed /= leaders;
    const bool fastPace = leaderSpeed >= 78, slowPace = leaderSpeed < 60;

    // Form on the day: a fast pace tires the leaders, a slow one favours them.
    std::vector<int> form(runners.size(), 0);
    for (int i : running) {
        int f = expectedForm(runners[i].ability, plan) + dayChance(random);
        bool front = early[i] <= std::max(2, field / 4), back = early[i] > field * 2 / 3;
        if (fastPace) f += front ? -3 : back ? 2 : 0;
        if (slowPace) f += front ? 5 : back ? -4 : 0;
        form[i] = f;
    }
    std::vector<int> order = running;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return form[a] > form[b]; });
    // Now and then a runner outside the first three does not finish.
    int stopped = field > 5 && random.chance(3) ? order[static_cast<size_t>(random.between(3, field - 1))] : -1;
    if (stopped >= 0) order.erase(std::find(order.begin(), order.end(), stopped));

    // The market's view: the same abilities, seen through its own noise.
    std::vector<int> market = running;
    std::vector<int> marketScore(runners.size(), 0);
    for (int i : running) marketScore[i] = expectedForm(runners[i].ability, plan) + random.between(-12, 12);
    std::stable_sort(market.begin(), market.end(), [&](int a, int b) { return marketScore[a] > marketScore[b]; });
    for (int p = 0; p < field; ++p) starts[market[p]].popularity = p + 1;

    // Times: the winner's from the leader's early part, an even middle and a closing part.
    const int leader =
        std::min(usualLeaderFirst3f(plan.turf, plan.distance) - (leaderSpeed - 65) / 4 + random.between(-3, 3), 385);
    const int closing = (plan.turf ? random.between(335, plan.distance > 2000 ? 360 : 350) : random.between(360, 378)) +
                        (fastPace   ? 5
                         : slowPace ? -5
                                    : 0);
    const int perFurlong = (plan.turf ? 116 : 122) + (plan.distance - 1200) / 400 + random.between(0, 4);
    int middle = (plan.distance - 1200) * perFurlong / 200;
    middle += ((plan.turf ? goingCode * 4 : -goingCode * 2) + (kOpen - std::min(plan.level, int(kOpen))) * 2) *
              plan.distance / 1000;
    const int usual = usualLeaderFirst3f(plan.turf, plan.distance);
    const int paceCode = leader < usual - 4 ? 0 : leader > usual + 4 ? 2 : 1;
    const int best = form[order.front()];
    for (size_t place = 0; place < order.size(); ++place) {
        Start& s = starts[order[place]];
        int i = order[place];
        s.finish = static_cast<int>(place) + 1;
        s.margin = (best - form[i]) * 9 / 10 + static_cast<int>(place) / 2;
        s.paceCode = paceCode;
        if (plan.jump) {
            s.time = plan.distance * 131 / 200 + goingCode * 15 + s.margin;
            s.last3f = random.between(375, 410) + s.margin / 4;
        } else {
            int own = std::max(leader + std::min((early[i] - 1) * random.between(6, 12) / 10, 385 - leader), 335);
            int last = closing + s.margin - (own - leader);
            if (last < 325) {
                own = std::max({leader, 335, own - (325 - last)});
                last = 325;
            }
            s.last3f = std::min(last, 420);
            s.time = own + middle + s.last3f;
            // In a 1000 m race the early part on record is the first two furlongs.
            s.firstPart = plan.distance <= 1000 ? own - perFurlong : own;
        }
        placeCorners(random, s, early[i], field);
        s.runningStyle = shownStyle(early[i], field);
    }
    if (order.size() >= 2) {
        int winnerTime = starts[order[0]].time;
        for (size_t place = 1; place < order.size(); ++place) {
            Start& s = starts[order[place]];
            s.time = std::max(s.time, winnerTime);
            s.margin = s.time - winnerTime;
        }
        starts[order[0]].margin = -starts[order[1]].margin;
    }
    if (stopped >= 0) {
        Start& s = starts[stopped];
        s.finish = kDidNotFinish;
        s.margin = kNoMargin;
        placeCorners(random, s, early[stopped], field);
        s.corners[3] = 0;
        s.runningStyle = shownStyle(early[stopped], field);
    }
    // Each record names the winner, and the winner's names the second.
    const std::string& winner = runners[order.front()].name;
    const std::string& second = order.size() >= 2 ? runners[order[1]].name : winner;
    for (int i = 0; i < n; ++i) starts[i].opponent = i == order.front() ? second : winner;
    return starts;
}

}  // namespace zv::demo
