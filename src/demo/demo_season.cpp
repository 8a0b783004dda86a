#include "demo_season.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "demo_horse.h"
#include "demo_names.h"
#include "demo_season_race.h"

namespace zv::demo {

using namespace std::chrono;

namespace {

constexpr int kRestDaysMin = 14;
constexpr int kRestDaysMax = 42;

// A class of horses that meet: over jumps or on the flat, three-year-olds or older, and the
// class level the horse stands at.
struct PoolKey {
    bool jump;
    bool young;
    int level;
    auto operator<=>(const PoolKey&) const = default;
};

PoolKey poolOf(const RacePlan& plan) { return {plan.jump, plan.typeCode == '2', plan.level}; }

// The class a horse moves to after a race: up a rung after a win; a debutant that lost becomes a
// maiden.
int levelAfter(const PoolKey& pool, bool won) {
    if (pool.jump) return won ? kOpen : pool.level;
    if (pool.young) {
        if (pool.level == kDebut) return won ? k500 : kMaiden;
        if (!won) return pool.level;
        return pool.level == kMaiden ? k500 : kOpen;
    }
    return won ? std::min(pool.level + 1, int(kOpen)) : pool.level;
}

struct Horse {
    Profile profile;
    Pedigree pedigree;
    HiddenAbility ability;
    std::vector<Start> career;  // most recent first
    PoolKey pool;
    sys_days readyOn;
};

}  // namespace

struct Season::State {
    Random random;
    NamesInUse names;
    std::vector<Horse> horses;
    std::map<PoolKey, std::vector<size_t>> pools;  // horse indexes by class
    int dayIndex = 0;

    explicit State(uint32_t seed) : random(seed) {}

    sys_days dateOf(int day) const { return sys_days{kSeasonStart} + days{7 * (day / 2) + day % 2}; }

    // A new horse of the class of plan, ready on readyOn, with a career before the season.
    size_t addHorse(const CourseDay& course, const RacePlan& plan, sys_days readyOn) {
        Horse h;
        names.jockeysInRace.clear();
        h.profile = makeProfile(random, course, plan, names);
        names.horses.erase(h.profile.name);
        h.profile.name = [&] {
            std::string name;
            for (int attempt = 0; attempt < 1000; ++attempt) {
                name = seasonHorseName(random, h.profile.traits.female);
                if (names.horses.insert(name).second) break;
            }
            return name;
        }();
        h.career = makeCareer(random, plan, h.profile.traits);
        h.pedigree = makePedigree(random);
        const int a = h.profile.traits.ability;
        h.ability.turf = std::clamp(a + random.between(-12, 12), 0, 100);
        h.ability.dirt = std::clamp(a + random.between(-12, 12), 0, 100);
        h.ability.jump = a;
        h.ability.bestDistance =
            plan.jump ? plan.distance : std::clamp(plan.distance + 100 * random.between(-6, 6), 1000, 3200);
        h.ability.earlySpeed = std::clamp(a * 3 / 4 + (3 - h.profile.traits.style) * 6 + random.between(0, 10), 0, 100);
        h.pool = poolOf(plan);
        h.readyOn = readyOn;
        horses.push_back(std::move(h));
        pools[poolOf(plan)].push_back(horses.size() - 1);
        return horses.size() - 1;
    }

    // Fills the population with the horses each class needs over a few weeks of racing.
    void populate() {
        std::map<PoolKey, std::pair<const CourseDay*, const RacePlan*>> firstPlan;
        std::map<PoolKey, int> perDay;
        for (const CourseDay& course : demoCourses()) {
            for (const RacePlan& plan : course.races) {
                firstPlan.try_emplace(poolOf(plan), &course, &plan);
                perDay[poolOf(plan)] += (plan.minRunners + plan.maxRunners) / 2;
            }
        }
        for (const auto& [pool, count] : perDay) {
            auto [course, plan] = firstPlan[pool];
            for (int i = 0; i < count * 8; ++i) {
                addHorse(*course, *plan, sys_days{kSeasonStart} + days{random.between(-14, 28)});
            }
        }
    }

    // The field of a race: the horses of its class ready on date that suit it best, topped up
    // with newcomers when the class runs short.
    std::vector<size_t> drawField(const CourseDay& course, const RacePlan& plan, sys_days date, int runners) {
        std::vector<size_t>& pool = pools[poolOf(plan)];
        std::vector<std::pair<int, size_t>> candidates;
        for (size_t h : pool) {
            if (horses[h].readyOn > date) continue;
            const HiddenAbility& a = horses[h].ability;
            int fit = plan.jump ? 0
                                : -std::abs(plan.distance - a.bestDistance) / 100 +
                                      (plan.turf ? a.turf - a.dirt : a.dirt - a.turf) / 5;
            candidates.emplace_back(fit + random.between(0, 8), h);
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const auto& x, const auto& y) { return x.first > y.first; });
        std::vector<size_t> field;
        for (size_t i = 0; i < candidates.size() && static_cast<int>(field.size()) < runners; ++i) {
            field.push_back(candidates[i].second);
        }
        while (static_cast<int>(field.size()) < runners) field.push_back(addHorse(course, plan, date));
        return field;
    }

    // Moves a horse to the class it races in next.
    void moveTo(size_t h, PoolKey next) {
        if (next == horses[h].pool) return;
        std::vector<size_t>& from = pools[horses[h].pool];
        from.erase(std::find(from.begin(), from.end(), h));
        pools[next].push_back(h);
        horses[h].pool = next;
    }

    void runRace(DemoDay& day, const CourseDay& course, const RacePlan& plan, sys_days date, int goingCode) {
        int runners = random.between(plan.minRunners, plan.maxRunners);
        std::vector<size_t> field = drawField(course, plan, date, runners);
        day.headerLines.push_back(headerLine(course, plan, runners, date));
        names.jockeysInRace.clear();
        std::vector<SeasonRunner> entrants;
        for (int n = 0; n < runners; ++n) {
            Horse& h = horses[field[n]];
            HorseTraits& t = h.profile.traits;
            t.jockey = jockeyName(random, plan.jump);
            for (int attempt = 0; attempt < 100 && !names.jockeysInRace.insert(t.jockey).second; ++attempt) {
                t.jockey = jockeyName(random, plan.jump);
            }
            // The data set's own rating sees the horse's form through its own noise.
            h.profile.rate = std::clamp(300 + expectedForm(h.ability, plan) * 5 + random.between(0, 60), 0, 999);
            day.runnerLines.push_back(runnerLine(h.profile, plan, bracketNumber(n + 1, runners)));
            day.horseLines.push_back(horseLine(h.profile, h.pedigree, h.career));
            int bodyWeight = (t.bodyWeight + random.between(-4, 4)) / 2 * 2;
            entrants.push_back({h.profile.name, t.jockey, h.ability, weightCarriedToday(plan, t), bodyWeight});
        }
        std::vector<Start> starts = runSeasonRace(random, course, plan, date, goingCode, entrants);
        for (int n = 0; n < runners; ++n) {
            Horse& h = horses[field[n]];
            h.readyOn = date + days{random.between(kRestDaysMin, kRestDaysMax)};
            h.career.insert(h.career.begin(), starts[n]);
            PoolKey next = h.pool;
            next.level = levelAfter(h.pool, starts[n].finish == 1);
            moveTo(field[n], next);
        }
    }
};

Season::Season(uint32_t seed) : state_(std::make_unique<State>(seed)) { state_->populate(); }

Season::~Season() = default;

sys_days Season::nextDate() const { return state_->dateOf(state_->dayIndex); }

size_t Season::horseCount() const { return state_->horses.size(); }

DemoDay Season::nextDay() {
    State& s = *state_;
    const sys_days date = s.dateOf(s.dayIndex++);
    DemoDay day;
    for (const CourseDay& course : demoCourses()) {
        static constexpr int kGoingWeights[] = {70, 15, 10, 5};
        int goingCode = static_cast<int>(s.random.weighted(kGoingWeights));
        for (const RacePlan& plan : course.races) s.runRace(day, course, plan, date, goingCode);
    }
    return day;
}

std::string dayFolderName(sys_days date) {
    year_month_day ymd{date};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return text;
}

void writeSeason(const std::filesystem::path& folder, int days, uint32_t seed,
                 const std::function<void(int daysWritten)>& progress) {
    Season season(seed);
    for (int d = 0; d < days; ++d) {
        std::string name = dayFolderName(season.nextDate());
        writeDayFiles(folder / name, season.nextDay());
        if (progress) progress(d + 1);
    }
}

}  // namespace zv::demo
