#include "library/library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "data/store.h"
#include "demo/demo_season.h"
#include "library/day_input.h"
#include "library/library_report.h"
#include "library/sqlite_db.h"
#include "support/archive_fixture.h"
#include "support/temp_folder.h"

namespace zv::library {
namespace {

namespace fs = std::filesystem;

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override { demo::writeSeason(season(), 3, 7); }
    fs::path season() const { return root.path() / "season"; }
    fs::path data() const { return root.path() / "data"; }
    fs::path day(int index) const {
        std::vector<fs::path> days;
        for (const auto& entry : fs::directory_iterator(season())) days.push_back(entry.path());
        std::sort(days.begin(), days.end());
        return days.at(static_cast<size_t>(index));
    }
    RaceDataStore store(int index) const {
        RaceDataStore loaded;
        EXPECT_TRUE(loadDataSet(loaded, day(index)));
        return loaded;
    }
    // The day of store added from source, through a library opened for the one call.
    AddResult add(const RaceDataStore& day, const std::string& source = "test") const {
        return Library(data(), OpenMode::Create).addDay(day, source);
    }
    static int64_t count(const Library& library, const char* table) {
        Statement statement = library.database().prepare(std::string("SELECT count(*) FROM ") + table);
        return statement.step() ? statement.integer(0) : -1;
    }
    std::vector<std::string> keptFiles() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(Library::keptFolder(data()), ec), end; !ec && it != end; it.increment(ec))
            names.push_back(it->path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fixture::TempFolder root;
};

TEST_F(LibraryTest, AKeptDayLoadsBackAsTheStoreItWasAddedFrom) {
    const RaceDataStore first = store(0);
    EXPECT_EQ(add(first).outcome, AddOutcome::Added);
    Library library(data(), OpenMode::Existing);
    RaceDataStore loaded;
    ASSERT_TRUE(library.loadDay(20260509, loaded));
    EXPECT_EQ(loaded, first);
    EXPECT_FALSE(library.loadDay(20260510, loaded));
    const std::vector<KeptDay> days = library.days();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].date, 20260509);
    EXPECT_EQ(days[0].races, first.raceCount);
    EXPECT_EQ(days[0].dateText, "2026/05/09(土)");
    EXPECT_EQ(days[0].source, "test");
}

TEST_F(LibraryTest, TheSameDayTwiceChangesNothing) {
    add(store(0));
    add(store(1));
    Library before(data(), OpenMode::Existing);
    const std::array<const char*, 5> tables = {"days", "races", "entries", "horses", "past_races"};
    std::vector<int64_t> counts;
    for (const char* table : tables) counts.push_back(count(before, table));
    const std::vector<std::string> files = keptFiles();

    const AddResult again = add(store(1), "elsewhere");
    EXPECT_EQ(again.outcome, AddOutcome::AlreadyKept);
    EXPECT_EQ(again.date, 20260510);
    // The same date with other records: the kept day stays as it is.
    RaceDataStore changed = store(0);
    changed.horseLines.replace(0, std::string(changed.horseLines[0]).replace(0, 2, "XX"));
    EXPECT_EQ(add(changed).outcome, AddOutcome::DateKeptOtherwise);

    Library after(data(), OpenMode::Existing);
    for (size_t t = 0; t < tables.size(); ++t) EXPECT_EQ(count(after, tables[t]), counts[t]) << tables[t];
    EXPECT_EQ(keptFiles(), files);
    RaceDataStore kept;
    ASSERT_TRUE(after.loadDay(20260509, kept));
    EXPECT_EQ(kept, store(0));
}

TEST_F(LibraryTest, ADamagedArchiveIsRefusedWithTheIntakesMessageAndNothingIsAdded) {
    const fs::path archive = root.path() / "damaged.lzh";
    std::ofstream(archive, std::ios::binary) << "no archive at all";
    Library library(data(), OpenMode::Create);
    ScratchFolder scratch("zelvora-library-test");
    const InputOutcome outcome = addDayInput(library, {archive, true}, scratch);
    EXPECT_FALSE(outcome.added);
    EXPECT_NE(outcome.refusal.find("指定した書庫ファイルにデータは含まれておりません"), std::string::npos)
        << outcome.refusal;
    EXPECT_TRUE(library.days().empty());
    EXPECT_TRUE(keptFiles().empty());
    EXPECT_EQ(count(library, "horses"), 0);
}

TEST_F(LibraryTest, FoldersAreSearchedAtAnyDepthForDaysAndArchives) {
    const fs::path deep = root.path() / "tree" / "a" / "b";
    fs::create_directories(deep);
    fs::copy(day(1), deep / "day");
    fixture::packWithJlha(day(2), root.path() / "tree" / "a" / "day.LZH", "a", {kHeaderFile, kRunnerFile, kHorseFile});
    std::ofstream(root.path() / "tree" / "notes.txt") << "not a day";
    std::vector<RefusedInput> refused;
    const std::vector<DayInput> found = findDayInputs({root.path() / "tree", day(0), root.path() / "nowhere"}, refused);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].path, deep / "day");
    EXPECT_FALSE(found[0].archive);
    EXPECT_EQ(found[1].path, root.path() / "tree" / "a" / "day.LZH");
    EXPECT_TRUE(found[1].archive);
    EXPECT_EQ(found[2].path, day(0));
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].reason, "見つかりません");

    Library library(data(), OpenMode::Create);
    ScratchFolder scratch("zelvora-library-test");
    for (const DayInput& input : found) EXPECT_TRUE(addDayInput(library, input, scratch).added) << input.path;
    EXPECT_EQ(library.days().size(), 3u);
}

TEST_F(LibraryTest, AForeignFileInTheDatabasesPlaceIsReportedAndTheRebuildMakesItAgain) {
    add(store(0));
    add(store(2));
    const fs::path file = Library::databaseFile(data());
    for (const char* suffix : {"-wal", "-shm"}) fs::remove(file.string() + suffix);
    const std::vector<std::string> foreign = {"not a database, just some text\n", std::string(8192, '\x5a')};
    for (const std::string& bytes : foreign) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        EXPECT_THROW(Library(data(), OpenMode::Existing), UnusableLibrary);
    }
    {
        // Another program's SQLite database.
        fs::remove(file);
        Database other(file, Database::Mode::ReadWrite);
        other.exec("CREATE TABLE notes(text TEXT)");
    }
    try {
        Library library(data(), OpenMode::Existing);
        FAIL() << "a foreign database opened";
    } catch (const UnusableLibrary& e) {
        EXPECT_NE(std::string(e.what()).find("library rebuild"), std::string::npos) << e.what();
    }

    EXPECT_TRUE(rebuildLibrary(data()).empty());
    Library rebuilt(data(), OpenMode::Existing);
    const std::vector<KeptDay> days = rebuilt.days();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].date, 20260516);
    EXPECT_EQ(days[1].date, 20260509);
    EXPECT_TRUE(rebuilt.check().problems.empty());
}

TEST_F(LibraryTest, CheckFindsAKeptFileDamagedOrMissing) {
    add(store(0));
    add(store(1));
    EXPECT_TRUE(Library(data(), OpenMode::Existing).check().problems.empty());
    const fs::path kept = Library::keptFolder(data());
    {
        std::fstream file(kept / "20260509.day", std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(200);
        file.put('\x7f');
    }
    fs::remove(kept / "20260510.day");
    const CheckResult result = Library(data(), OpenMode::Existing).check();
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_NE(result.problems[0].find("20260509"), std::string::npos);
    EXPECT_NE(result.problems[1].find("20260510"), std::string::npos);
}

// Katakana as hiragana, as a user may type a name.
std::string asHiragana(const std::string& katakana) {
    std::string out = katakana;
    for (size_t i = 0; i + 2 < out.size(); i += 3) {
        const char32_t c =
            (char32_t(out[i] & 0x0F) << 12) | (char32_t(out[i + 1] & 0x3F) << 6) | char32_t(out[i + 2] & 0x3F);
        if (c < 0x30A1 || c > 0x30F6) continue;
        const char32_t h = c - 0x60;
        out[i + 1] = static_cast<char>(0x80 | ((h >> 6) & 0x3F));
        out[i + 2] = static_cast<char>(0x80 | (h & 0x3F));
    }
    return out;
}

TEST_F(LibraryTest, AHorseIsFoundInEveryDayItRanWithItsFinishOnceALaterDayGivesIt) {
    // Horses rest between races: a longer season, added out of date order, as a finish is known
    // whichever day came first.
    const fs::path longer = root.path() / "longer";
    demo::writeSeason(longer, 6, 7);
    std::vector<fs::path> days;
    for (const auto& entry : fs::directory_iterator(longer)) days.push_back(entry.path());
    std::sort(days.begin(), days.end());
    std::rotate(days.begin(), days.begin() + 3, days.end());
    for (const fs::path& folder : days) {
        RaceDataStore day;
        ASSERT_TRUE(loadDataSet(day, folder));
        add(day);
    }
    Library library(data(), OpenMode::Existing);
    Statement twice = library.database().prepare(
        "SELECT h.name FROM horses h JOIN entries e ON e.horse = h.id JOIN races r ON r.id = e.race "
        "GROUP BY h.id HAVING count(*) >= 2 AND min(r.date) < max(r.date) ORDER BY h.name LIMIT 1");
    ASSERT_TRUE(twice.step());
    const std::string name = twice.text(0);
    ASSERT_GE(name.size(), 6u);

    for (const std::string& query : {name, asHiragana(name.substr(3))}) {
        const std::vector<HorseFound> found = library.findHorses(query, Library::PastRaces::Read);
        const auto horse =
            std::find_if(found.begin(), found.end(), [&](const HorseFound& h) { return h.name == name; });
        ASSERT_NE(horse, found.end()) << query;
        ASSERT_GE(horse->entries.size(), 2u);
        const HorseEntry& latest = horse->entries.front();
        const HorseEntry& earlier = horse->entries.back();
        EXPECT_GT(latest.date, earlier.date);
        EXPECT_TRUE(std::is_sorted(horse->entries.begin(), horse->entries.end(),
                                   [](const HorseEntry& a, const HorseEntry& b) { return a.date > b.date; }));
        ASSERT_TRUE(earlier.finish) << "a later day gives the finish";
        EXPECT_TRUE(std::any_of(horse->pastRaces.begin(), horse->pastRaces.end(), [&](const PastRaceSeen& past) {
            return past.date == earlier.date && past.finish == *earlier.finish &&
                   past.horseNumber == earlier.horseNumber;
        }));
        EXPECT_TRUE(std::is_sorted(horse->pastRaces.begin(), horse->pastRaces.end(),
                                   [](const PastRaceSeen& a, const PastRaceSeen& b) { return a.date > b.date; }));
        EXPECT_NE(earlier.race.find("R"), std::string::npos);
    }
    // A list of horses found reads no past races.
    const std::vector<HorseFound> listed = library.findHorses(name);
    ASSERT_FALSE(listed.empty());
    EXPECT_FALSE(listed.front().entries.empty());
    EXPECT_TRUE(listed.front().pastRaces.empty());
    EXPECT_TRUE(library.findHorses("存在しない馬の名前").empty());
}

TEST_F(LibraryTest, TheFilterChoicesAreTheValuesTheKeptRacesHoldAndEachNarrowsTheCount) {
    EXPECT_EQ(reportFilterChoices(Library(data(), OpenMode::Create)).firstDate, 0);
    for (int d = 0; d < 3; ++d) add(store(d));
    Library library(data(), OpenMode::Existing);
    const ReportFilterChoices choices = reportFilterChoices(library);
    EXPECT_EQ(choices.firstDate, 20260509);
    EXPECT_EQ(choices.lastDate, 20260516);
    std::vector<std::string> kept;
    for (const KeptDay& day : library.days()) kept.insert(kept.end(), day.racecourses.begin(), day.racecourses.end());
    for (const std::string& racecourse : kept)
        EXPECT_NE(std::find(choices.racecourses.begin(), choices.racecourses.end(), racecourse),
                  choices.racecourses.end());
    EXPECT_FALSE(choices.classes.empty());
    EXPECT_TRUE(std::is_sorted(choices.classes.begin(), choices.classes.end()));

    // Every race has one racecourse and at most one class: the narrowed counts add up to the whole.
    const int all = libraryReport(library).coverage.races;
    int byRacecourse = 0, byClass = 0;
    for (const std::string& racecourse : choices.racecourses) {
        ReportFilter filter;
        filter.racecourse = racecourse;
        byRacecourse += libraryReport(library, filter).coverage.races;
    }
    for (const std::string& raceClass : choices.classes) {
        ReportFilter filter;
        filter.raceClass = raceClass;
        const int races = libraryReport(library, filter).coverage.races;
        EXPECT_GT(races, 0) << raceClass;
        byClass += races;
    }
    EXPECT_EQ(byRacecourse, all);
    EXPECT_LE(byClass, all);
}

}  // namespace
}  // namespace zv::library
