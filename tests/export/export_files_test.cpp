// The external index file and the PR-average CSV written over whole data sets.
#include <gtest/gtest.h>

#include <algorithm>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>

#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/file_sink.h"
#include "data/line_cutter.h"
#include "data/sjis.h"
#include "data/store.h"
#include "export/index_file.h"
#include "export/pr_csv.h"
#include "support/engine_fixture.h"
#include "support/files.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

class ExportFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zv_export_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        options.now = fixture::kNow;
    }
    void TearDown() override { fs::remove_all(folder); }

    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The files in the folder, the data folder's lock file aside.
    int filesInFolder() const {
        return static_cast<int>(
            std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
                          [](const fs::directory_entry& e) { return e.path().filename() != kDataFolderLockFile; }));
    }

    // Seven runners with rates and one past race each, so the race has a PR average and ratings.
    // With withPast false no runner has a past race: no PR average.
    static fixture::Race race(const std::string& number, const std::string& date = "2010/05/02", bool withPast = true,
                              const std::string& weight = "570") {
        fixture::Race r;
        r.raceNumber = number;
        r.date = date;
        const char* times[] = {"340", "341", "342", "343", "344", "345", "346"};
        const char* corners[] = {"01", "02", "03", "01", "02", "05", "06"};
        for (int i = 0; i < 7; ++i) {
            fixture::Entry e;
            e.name = sj("ウマ") + std::to_string(i + 1);
            e.rate = "0" + std::to_string(50 + i);
            e.weight = weight;
            if (withPast) {
                fixture::PastRace p;
                p.first3f = times[i];
                p.corners[3] = corners[i];
                p.date = "20100418";
                e.past = {p};
            }
            r.entries.push_back(e);
        }
        return r;
    }

    static CsvQuestionHandler answer(CsvAnswer a, std::vector<CsvQuestion>& asked) {
        return [a, &asked](CsvQuestion q, const std::string&) {
            asked.push_back(q);
            return a;
        };
    }

    static std::vector<std::string> lines(const std::string& content) {
        std::vector<std::string_view> views = splitLines(content);
        return {views.begin(), views.end()};
    }

    fs::path folder;
    BatchRunOptions options;
};

TEST_F(ExportFilesTest, IndexFileHasTheHeadingAndOneLinePerRunner) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02"), race("03")});
    BatchOutcome outcome = writeIndexFile(folder / "zv.idx", store, options);
    EXPECT_EQ(outcome.racesDone, 3);
    std::string text = fixture::readFile(folder / "zv.idx");
    std::vector<std::string> rows = lines(text);
    ASSERT_EQ(rows.size(), 1u + 3u * 7u);
    EXPECT_EQ(rows[0], "F3F");
    EXPECT_EQ(toUtf8(rows[1]), "05,20100502,01,1,ウマ1,68.5");
    EXPECT_EQ(toUtf8(rows[21]), "05,20100502,03,7,ウマ7,21.1");
    EXPECT_EQ(text.substr(0, 5), "F3F\r\n");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(ExportFilesTest, IndexFileAfterAnAbortHoldsTheRacesDone) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02")});
    int asked = 0;
    std::vector<int> bar;
    options.abortRequested = [&] { return ++asked == 2; };
    options.progress = [&](int percent) { bar.push_back(percent); };
    BatchOutcome outcome = writeIndexFile(folder / "zv.idx", store, options);
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(lines(fixture::readFile(folder / "zv.idx")).size(), 1u + 7u);
    EXPECT_EQ(bar, std::vector<int>{50});
}

TEST_F(ExportFilesTest, IndexFileIsNotWrittenWhenARaceCannotBeComputed) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02", "2010/05/02", true, "5x0")});
    write(folder / "zv.idx", "OLD");
    try {
        writeIndexFile(folder / "zv.idx", store, options);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_NE(e.message().find("2番目のレース"), std::string::npos) << e.message();
    }
    EXPECT_EQ(fixture::readFile(folder / "zv.idx"), "OLD");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(ExportFilesTest, IndexFileInAFolderThatCannotHoldItIsReportedAndNothingChanges) {
    RaceDataStore store = fixture::storeOf({race("01")});
    write(folder / "plain-file", "x");
    const fs::path targets[] = {folder / "missing" / "zv.idx", folder / "plain-file" / "zv.idx"};
    for (const fs::path& target : targets) {
        try {
            writeIndexFile(target, store, options);
            ADD_FAILURE() << target << " written";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io) << target;
            EXPECT_NE(e.message().find("zv.idx"), std::string::npos) << e.message();
        }
    }
    EXPECT_EQ(filesInFolder(), 1);
    EXPECT_EQ(fixture::readFile(folder / "plain-file"), "x");
}

// A folder that refuses new files, as a read-only one does for anyone but the superuser.
class ReadOnlyFolder : public DiskFileSink {
public:
    int create(std::string&, mode_t) override {
        errno = EACCES;
        return -1;
    }
};

TEST_F(ExportFilesTest, ReadOnlyFolderIsReportedAndNothingChanges) {
    RaceDataStore store = fixture::storeOf({race("01")});
    write(folder / kPrCsvFile, "OLD\r\n");
    ReadOnlyFolder readOnly;
    FileSinkOverride refusing(readOnly);
    std::vector<CsvQuestion> asked;
    try {
        writeIndexFile(folder / "zv.idx", store, options);
        ADD_FAILURE() << "written";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.message().find("Permission denied"), std::string::npos) << e.message();
    }
    EXPECT_THROW(appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Yes, asked)), Error);
    EXPECT_EQ(filesInFolder(), 1);
    EXPECT_EQ(fixture::readFile(folder / kPrCsvFile), "OLD\r\n");
}

TEST_F(ExportFilesTest, IndexFileNameUsesTheFirstRaceDate) {
    RaceDataStore store = fixture::storeOf({race("01", "2010/05/02")});
    EXPECT_EQ(indexFileName(store), "zv100502.idx");
}

TEST_F(ExportFilesTest, CsvMissingFileAnsweredAbortCreatesNothing) {
    RaceDataStore store = fixture::storeOf({race("01")});
    std::vector<CsvQuestion> asked;
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Abort, asked));
    EXPECT_TRUE(outcome.declined);
    EXPECT_EQ(outcome.batch.racesDone, 0);
    EXPECT_EQ(asked, std::vector<CsvQuestion>{CsvQuestion::CreateMissingFile});
    EXPECT_EQ(filesInFolder(), 0);
}

TEST_F(ExportFilesTest, CsvRunTwiceWithYesAppendsTheDayTwice) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02")});
    std::vector<CsvQuestion> asked;
    PrCsvOutcome first = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Yes, asked));
    EXPECT_EQ(first.linesAdded, 2);
    std::string once = fixture::readFile(folder / kPrCsvFile);
    ASSERT_EQ(lines(once).size(), 2u);
    EXPECT_TRUE(toUtf8(lines(once)[0]).starts_with("2010/05/02,中山,01,")) << toUtf8(lines(once)[0]);

    PrCsvOutcome second = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Yes, asked));
    EXPECT_EQ(second.linesAdded, 2);
    EXPECT_EQ(fixture::readFile(folder / kPrCsvFile), once + once);
    EXPECT_EQ(asked, (std::vector<CsvQuestion>{CsvQuestion::CreateMissingFile, CsvQuestion::AppendDuplicateDay}));
}

TEST_F(ExportFilesTest, CsvDuplicateAnsweredAbortLeavesTheFileAsItWas) {
    RaceDataStore store = fixture::storeOf({race("01")});
    const std::string old = "2010/05/02,x,01,35.00,1.00\r\nnot a date";
    write(folder / kPrCsvFile, old);
    std::vector<CsvQuestion> asked;
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Abort, asked));
    EXPECT_TRUE(outcome.abortedAtDuplicate);
    EXPECT_EQ(outcome.unreadableLines, 1);
    EXPECT_EQ(fixture::readFile(folder / kPrCsvFile), old);
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(ExportFilesTest, CsvKeepsOddOldContentByteForByte) {
    RaceDataStore store = fixture::storeOf({race("01")});
    const std::string old = "heading,without,date\r\n\r\n2010/05/01,a,01,35.00,1.00\n\r\nlast line";
    write(folder / kPrCsvFile, old);
    std::vector<CsvQuestion> asked;
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Abort, asked));
    EXPECT_EQ(outcome.linesAdded, 1);
    EXPECT_TRUE(asked.empty());
    std::string text = fixture::readFile(folder / kPrCsvFile);
    EXPECT_EQ(text.substr(0, old.size() + 2), old + "\r\n");
    EXPECT_TRUE(toUtf8(text.substr(old.size() + 2)).starts_with("2010/05/02,中山,01,"));
}

TEST_F(ExportFilesTest, CsvWritesOneMeetingDay) {
    struct Case {
        const char* what;
        std::vector<fixture::Race> races;
        int added;
        bool nextDay;
    };
    const Case cases[] = {
        {"two days", {race("01", "2010/05/01"), race("02", "2010/05/01"), race("01", "2010/05/02")}, 2, true},
        {"first race without PR average",
         {race("01", "2010/05/02", false), race("02", "2010/05/02"), race("03", "2010/05/02")},
         2,
         false},
        {"later race without PR average",
         {race("01", "2010/05/02"), race("02", "2010/05/02", false), race("03", "2010/05/02")},
         2,
         false},
    };
    for (const Case& c : cases) {
        fs::remove(folder / kPrCsvFile);
        std::vector<CsvQuestion> asked;
        PrCsvOutcome outcome =
            appendDayToPrCsv(folder, fixture::storeOf(c.races), options, answer(CsvAnswer::Yes, asked));
        EXPECT_EQ(outcome.linesAdded, c.added) << c.what;
        EXPECT_EQ(outcome.reachedNextDay, c.nextDay) << c.what;
        EXPECT_EQ(lines(fixture::readFile(folder / kPrCsvFile)).size(), static_cast<size_t>(c.added)) << c.what;
    }
}

TEST_F(ExportFilesTest, CsvIsLeftAsItWasWhenARaceCannotBeComputed) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02", "2010/05/02", true, "5x0")});
    write(folder / kPrCsvFile, "OLD\r\n");
    std::vector<CsvQuestion> asked;
    EXPECT_THROW(appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Yes, asked)), Error);
    EXPECT_EQ(fixture::readFile(folder / kPrCsvFile), "OLD\r\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(ExportFilesTest, CsvInAMissingDataFolderIsReported) {
    RaceDataStore store = fixture::storeOf({race("01")});
    std::vector<CsvQuestion> asked;
    try {
        appendDayToPrCsv(folder / "missing", store, options, answer(CsvAnswer::Yes, asked));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
    }
    EXPECT_EQ(filesInFolder(), 0);
}

TEST_F(ExportFilesTest, CsvAbortKeepsTheRacesDoneAndNeverFillsTheBar) {
    RaceDataStore store = fixture::storeOf({race("01"), race("02"), race("03"), race("04")});
    int asked = 0;
    std::vector<int> bar;
    options.abortRequested = [&] { return ++asked == 3; };
    options.progress = [&](int percent) { bar.push_back(percent); };
    std::vector<CsvQuestion> questions;
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, answer(CsvAnswer::Yes, questions));
    EXPECT_TRUE(outcome.batch.aborted);
    EXPECT_EQ(outcome.linesAdded, 2);
    EXPECT_EQ(bar, (std::vector<int>{25, 50}));

    fs::remove(folder / kPrCsvFile);
    bar.clear();
    options.abortRequested = nullptr;
    RaceDataStore twoDays =
        fixture::storeOf({race("01"), race("02"), race("01", "2010/05/03"), race("02", "2010/05/03")});
    appendDayToPrCsv(folder, twoDays, options, answer(CsvAnswer::Yes, questions));
    EXPECT_EQ(bar, (std::vector<int>{25, 50, 75}));
}

}  // namespace
}  // namespace zv
