// Damaged record lines never break the computation: a race computes whole, or, when a field read
// strictly (a runner's weight, a past race's date) cannot be read, stops with a conversion error
// naming that field. Damage anywhere else leaves the race computable, and never touches another.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <set>

#include "data/error.h"
#include "data/records.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "predict/compute_race.h"
#include "support/engine_fixture.h"

namespace zv {
namespace {

constexpr int kSortColumns[] = {1, 2, 7, 8, 9, 10};
constexpr size_t kPastGroupStride = 590;

enum class Line { Runner, Horse };

RaceDataStore loadedDemoDay() {
    std::string folder = (std::filesystem::temp_directory_path() / "zv-engine-robust-XXXXXX").string();
    if (!::mkdtemp(folder.data())) ADD_FAILURE() << "no temporary folder";
    writeDemoDay(folder, 5);
    RaceDataStore store;
    EXPECT_TRUE(loadDataSet(store, folder));
    std::filesystem::remove_all(folder);
    return store;
}

void expectWhole(const RaceResult& r) {
    EXPECT_EQ(r.cells.size(), static_cast<size_t>(r.runnerCount) + 1);
    EXPECT_EQ(r.rowOrder.size(), static_cast<size_t>(r.runnerCount));
    for (const std::string& key : r.betKeys) EXPECT_EQ(key.size(), 6u);
    for (int runner : r.markedRunners) EXPECT_TRUE(runner >= 0 && runner <= r.runnerCount) << runner;
}

// A race's outcome in one sort order: nothing when it computed whole, else the field its
// conversion error names ("?" for an error of another kind).
std::optional<std::string> outcome(const RaceDataStore& store, int race, int sortColumn) {
    try {
        expectWhole(computeRace(store, race, sortColumn, fixture::kNow));
        return std::nullopt;
    } catch (const Error& e) {
        return e.kind() == ErrorKind::Conversion ? e.field() : "?";
    }
}

std::string outcomeText(const std::optional<std::string>& failedField) {
    return failedField ? "stops on " + *failedField : "computes";
}

TEST(RaceResultRobustness, EveryIntactRaceComputesInEverySortOrder) {
    const RaceDataStore store = loadedDemoDay();
    ASSERT_GT(store.raceCount, 0);
    for (int race = 0; race < store.raceCount; ++race) {
        for (int sortColumn : kSortColumns) expectWhole(computeRace(store, race, sortColumn, fixture::kNow));
    }
}

// One damage in one runner of one race: that race stops exactly when a strict field is
// unreadable, with the error naming it; every other race computes.
TEST(RaceResultRobustness, OnlyAnUnreadableStrictFieldStopsItsRaceAndNamesTheField) {
    struct Damage {
        const char* what;
        Line line;
        FieldDef field;  // overwritten from its start, in past group `group`
        int group;
        std::string bytes;  // empty: the line is cut at the field's first byte
        const char* stopsOn;
    };
    const char* none = nullptr;
    const Damage damages[] = {
        {"weight with a letter", Line::Runner, runner_line::weight_carried, 0, "5A0", "weight_carried"},
        {"weight blank", Line::Runner, runner_line::weight_carried, 0, "   ", "weight_carried"},
        {"runner line cut before the weight", Line::Runner, runner_line::weight_carried, 0, "", "weight_carried"},
        {"runner line cut after the weight", Line::Runner, runner_line::rate, 0, "", none},
        {"rating with letters", Line::Runner, runner_line::rate, 0, "A?Z", none},
        {"runner's name of control bytes", Line::Runner, runner_line::horse_name, 0, std::string("\x00\x1A\r\t", 4),
         none},
        {"past date with a letter", Line::Horse, horse_line::past_race_date, 0, "2010O502", "past_race_date"},
        {"past date not a calendar day", Line::Horse, horse_line::past_race_date, 1, "20100231", "past_race_date"},
        {"past date holding a blank", Line::Horse, horse_line::past_race_date, 2, "2010 502", none},
        {"horse line cut at the second past date", Line::Horse, horse_line::past_race_date, 1, "", "past_race_date"},
        {"horse line cut after the last past date", Line::Horse, horse_line::past_first_3f, 2, "", none},
        {"early 3F with letters", Line::Horse, horse_line::past_first_3f, 0, "3X5", none},
        {"fourth corner of CP932 lead bytes", Line::Horse, horse_line::past_corner4, 1, "\x82\x88", none},
        {"finish of control bytes", Line::Horse, horse_line::past_finish, 0, std::string("\x00\x1A", 2), none},
        {"horse name of signs", Line::Horse, horse_line::horse_name, 0, "+-.+-.", none},
    };
    const RaceDataStore intact = loadedDemoDay();
    ASSERT_GE(intact.raceCount, 3);
    const int damagedRace = 2;
    const int line = intact.headers[damagedRace].firstRunner + 1;
    for (const Damage& damage : damages) {
        RaceDataStore store = intact;
        RecordLines& lines = damage.line == Line::Runner ? store.runnerLines : store.horseLines;
        std::string text(lines.at(line));
        const size_t at = static_cast<size_t>(damage.field.pos - 1) + kPastGroupStride * damage.group;
        ASSERT_LE(at + damage.bytes.size(), text.size()) << damage.what;
        if (damage.bytes.empty()) {
            text.resize(at);
        } else {
            text.replace(at, damage.bytes.size(), damage.bytes);
        }
        lines.replace(line, std::move(text));

        for (int race = 0; race < store.raceCount; ++race) {
            std::optional<std::string> expected;
            if (race == damagedRace && damage.stopsOn) expected = damage.stopsOn;
            for (int sortColumn : kSortColumns) {
                EXPECT_EQ(outcomeText(outcome(store, race, sortColumn)), outcomeText(expected))
                    << damage.what << ", race " << race << ", sort column " << sortColumn;
            }
        }
    }
}

// Bytes of a kind scattered over every runner and horse line of the day: a race whose strict
// fields were not hit computes whole; a race that stops names a strict field that was hit.
TEST(RaceResultRobustness, ScatteredDamageStopsOnlyRacesWhoseStrictFieldsWereHit) {
    struct Damage {
        const char* what;
        std::string bytes;  // empty: every seventh line is cut short
    };
    const Damage damages[] = {
        {"digits", "0123456789"},
        {"blanks", " "},
        {"letters", "AZaz"},
        {"signs", "+-."},
        {"CP932 lead bytes", "\x82\x88\x93\xE0"},
        {"controls", std::string("\x00\x1A\r\t", 4)},
        {"cut lines", ""},
    };
    auto within = [](size_t at, const FieldDef& f, int group) {
        const size_t start = static_cast<size_t>(f.pos - 1) + kPastGroupStride * group;
        return at >= start && at < start + static_cast<size_t>(f.len);
    };
    // The strict fields of the line that damage at byte `at` hits (a cut: every one from there on).
    auto strictFieldsHit = [&](Line kind, size_t at, bool cut) {
        std::set<std::string> hit;
        if (kind == Line::Runner) {
            if (within(at, runner_line::weight_carried, 0) || (cut && at < runner_line::weight_carried.pos - 1u + 3u))
                hit.insert(runner_line::weight_carried.name);
            return hit;
        }
        for (int group = 0; group < kPastGroups; ++group) {
            const size_t end = horse_line::past_race_date.pos - 1u + kPastGroupStride * group + 8u;
            if (within(at, horse_line::past_race_date, group) || (cut && at < end))
                hit.insert(horse_line::past_race_date.name);
        }
        return hit;
    };
    const RaceDataStore intact = loadedDemoDay();
    std::mt19937 random(11);
    for (const Damage& damage : damages) {
        RaceDataStore store = intact;
        std::vector<std::set<std::string>> hitInRace(store.raceCount);
        auto raceOf = [&](size_t line) {
            int race = 0;
            while (race + 1 < store.raceCount && store.headers[race + 1].firstRunner <= static_cast<int>(line)) ++race;
            return race;
        };
        for (size_t line = 0; line < store.horseLines.size(); ++line) {
            for (Line kind : {Line::Horse, Line::Runner}) {
                RecordLines& lines = kind == Line::Horse ? store.horseLines : store.runnerLines;
                std::string text(lines.at(line));
                std::set<std::string> hit;
                if (damage.bytes.empty()) {
                    if (line % 7 == 0) {
                        const size_t at = random() % (text.size() + 1);
                        text.resize(at);
                        hit = strictFieldsHit(kind, at, true);
                    }
                } else {
                    for (int n = 0; n < 3; ++n) {
                        const size_t at = random() % text.size();
                        text[at] = damage.bytes[random() % damage.bytes.size()];
                        hit.merge(strictFieldsHit(kind, at, false));
                    }
                }
                hitInRace[raceOf(line)].merge(hit);
                lines.replace(line, std::move(text));
            }
        }
        int computed = 0, stopped = 0;
        for (int race = 0; race < store.raceCount; ++race) {
            for (int sortColumn : kSortColumns) {
                std::optional<std::string> failedField = outcome(store, race, sortColumn);
                if (!failedField) {
                    ++computed;
                    continue;
                }
                ++stopped;
                EXPECT_TRUE(hitInRace[race].count(*failedField))
                    << damage.what << ", race " << race << " " << outcomeText(failedField);
            }
        }
        RecordProperty(damage.what, std::to_string(computed) + " computed, " + std::to_string(stopped) + " stopped");
    }
}

}  // namespace
}  // namespace zv
