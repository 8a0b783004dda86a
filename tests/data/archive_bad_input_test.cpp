#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>

#include <gtest/gtest.h>

#include "data/sjis.h"
#include "support/archive_intake_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using fixture::CraftedMember;
using fixture::DayForm;

std::string noDataMessage() {
    return std::string("指定した書庫ファイルにデータは含まれておりません。\r\n\r\n正しいBVOデータをご利用ください。");
}

std::string extractMessage(const std::vector<std::string>& lines) {
    std::string message = std::string("データの展開でエラーが発生しました。\r\n");
    for (const std::string& line : lines) message += "\r\n" + line;
    return message + "\r\n\r\n" + std::string("開発元にお問い合わせください。");
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Every rejection: the expected status and message, the data folder byte for byte as it was, the
// store as it was.
class BadArchive : public fixture::IntakeTest {
protected:
    void expectRejected(const fs::path& archive, IntakeStatus status, const std::string& messageStart) {
        fixture::FolderSnapshot before = fixture::snapshot(dataFolder());
        RaceDataStore storeBefore = store;
        IntakeResult result = openArchive(archive, dataFolder(), store, {});
        ASSERT_FALSE(result);
        EXPECT_EQ(result.failure().kind, status);
        EXPECT_TRUE(startsWith(result.failure().message, messageStart)) << result.failure().message;
        EXPECT_EQ(fixture::snapshot(dataFolder()), before);
        EXPECT_TRUE(store == storeBefore);
    }
};

TEST_F(BadArchive, FilesWithoutADataSetGiveTheNoDataMessage) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"an empty file", ""},
        {"a text file", "not an archive\r\n"},
        {"a member named in capitals", fixture::craftArchive({{"BVO_UMA.BV2", "horses"}})},
        {"only a text member", fixture::craftArchive({{"readme.txt", "hello"}})},
        {"a horse file only", fixture::craftArchive({{kHorseFile, joinCrLf(newDay.horses)}})},
        {"the horse file as a folder entry", fixture::craftArchive({{kHorseFile, "", "-lhd-"}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectRejected(writeArchive(c.bytes), IntakeStatus::NoDataSet, noDataMessage());
    }
    expectRejected(root.path() / "missing.lzh", IntakeStatus::NoDataSet, noDataMessage());
}

TEST_F(BadArchive, JlhaArchiveWithTheHorseFileInCapitalsHoldsNoDataSet) {
    fixture::writeFile(sourceFolder(), "BVO_UMA.BV2", joinCrLf(newDay.horses));
    fixture::packWithJlha(sourceFolder(), archivePath(), "-a0q", {"BVO_UMA.BV2"});
    expectRejected(archivePath(), IntakeStatus::NoDataSet, noDataMessage());
}

TEST_F(BadArchive, TruncatedArchivesAreRejected) {
    packDay(DayForm::Version2, "-a2q");
    std::string whole = fixture::readFile(archivePath());
    for (size_t keep : {whole.size() - 1 - 5, whole.size() / 2, size_t{30}, size_t{3}}) {
        SCOPED_TRACE(keep);
        fs::path archive = writeArchive(whole.substr(0, keep));
        auto listing = archive::listArchive(archive);
        bool horseListed = listing.members.size() == 3;
        expectRejected(
            archive, horseListed ? IntakeStatus::ExtractFailed : IntakeStatus::NoDataSet,
            horseListed ? extractMessage({"1 : " + std::string("書庫ファイルが壊れています")}) : noDataMessage());
    }
}

TEST_F(BadArchive, DamagedMembersGiveTheExtractionMessage) {
    std::vector<CraftedMember> unknownMethod = dayMembers();
    unknownMethod[1].method = "-lh9-";
    std::string corrupt = fixture::craftArchive(dayMembers());
    corrupt[corrupt.size() - 10] ^= 0x20;
    // The horse file first, so that the listing still finds it before the broken header.
    std::vector<CraftedMember> horseFirst = dayMembers();
    std::rotate(horseFirst.begin(), horseFirst.begin() + 2, horseFirst.end());
    std::string badChecksum = fixture::craftArchive(horseFirst);
    badChecksum[fixture::craftMember(horseFirst[0]).size() + fixture::kHeaderChecksumOffset] ^= 0x01;
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"an unknown method", fixture::craftArchive(unknownMethod),
         extractMessage({"2 : " + std::string("対応していない圧縮形式です: -lh9- (bvo_den2.bv2)")})},
        {"a corrupted data byte", corrupt,
         extractMessage({"3 : " + std::string("データが壊れています (CRCエラー): bvo_uma.bv2")})},
        {"a wrong header checksum", badChecksum, extractMessage({"1 : " + std::string("書庫ファイルが壊れています")})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectRejected(writeArchive(c.bytes), IntakeStatus::ExtractFailed, c.message);
    }
}

TEST_F(BadArchive, TwoExtractionErrorsGiveTwoErrorLines) {
    std::vector<CraftedMember> members = dayMembers();
    members[0].method = "-lh9-";
    members[1].method = "-lhz-";
    fs::path archive = writeArchive(fixture::craftArchive(members));
    IntakeResult result = openArchive(archive, dataFolder(), store, {});
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().message,
              extractMessage({"2 : " + std::string("対応していない圧縮形式です: -lh9- (bvo_den1.bv2)"),
                              "2 : " + std::string("対応していない圧縮形式です: -lhz- (bvo_den2.bv2)")}));
}

TEST_F(BadArchive, AMemberBeyondTheFileSizeLimitIsNotHalfWritten) {
    newDay.horses.assign(5, std::string(60000, 'x'));
    fs::path archive = writeArchive(fixture::craftArchive(dayMembers()));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100000;

    fixture::FolderSnapshot before = fixture::snapshot(dataFolder());
    RaceDataStore storeBefore = store;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    IntakeResult result = openArchive(archive, dataFolder(), store, {});
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);

    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().kind, IntakeStatus::ExtractFailed);
    EXPECT_NE(result.failure().message.find("\r\n4 : ファイルを書き込めません: bvo_uma.bv2"), std::string::npos)
        << result.failure().message;
    EXPECT_EQ(fixture::snapshot(dataFolder()), before);
    EXPECT_TRUE(store == storeBefore);
}

TEST_F(BadArchive, AReadOnlyFileOfTheSameNameStopsTheInstall) {
    fs::permissions(dataFolder() / kRunnerFile, fs::perms::owner_read | fs::perms::group_read);
    expectRejected(packDay(DayForm::Version2), IntakeStatus::InstallFailed,
                   std::string("データファイルを入れ替えられませんでした。\r\n\r\n") +
                       std::string("同じ名前の読み取り専用ファイルがあるため置き換えられません: bvo_den2.bv2"));
}

// A record file that is no regular file is named for what it is.
TEST_F(BadArchive, ANamedPipeOrASocketOfTheSameNameStopsTheInstallAndIsNamed) {
    struct Case {
        const char* kind;
        void (*make)(const fs::path&);
    };
    const Case cases[] = {
        {"名前付きパイプ", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"フォルダ", [](const fs::path& p) { fs::create_directory(p); }},
    };
    for (const Case& c : cases) {
        fs::remove(dataFolder() / kHeaderFile);
        c.make(dataFolder() / kHeaderFile);
        expectRejected(packDay(DayForm::Version2), IntakeStatus::InstallFailed,
                       std::string("データファイルを入れ替えられませんでした。\r\n\r\n") + std::string("同じ名前の") +
                           std::string(c.kind) + std::string("があるため置き換えられません: bvo_den1.bv2"));
        fs::remove(dataFolder() / kHeaderFile);
    }
}

TEST_F(BadArchive, AFolderOfTheSameNameStopsTheInstall) {
    fs::create_directory(dataFolder() / "readme.txt");
    std::vector<CraftedMember> members = dayMembers();
    members.push_back({"readme.txt", "notes"});
    expectRejected(writeArchive(fixture::craftArchive(members)), IntakeStatus::InstallFailed,
                   std::string("データファイルを入れ替えられませんでした。"));
}

TEST_F(BadArchive, ADataSetThatDoesNotLoadChangesNothing) {
    std::vector<CraftedMember> members = dayMembers();
    members[1].data = joinCrLf({newDay.runners[0]});  // one runner line where five are due
    expectRejected(writeArchive(fixture::craftArchive(members)), IntakeStatus::LoadFailed,
                   std::string("データの整合性がありません"));
}

}  // namespace
}  // namespace zv
