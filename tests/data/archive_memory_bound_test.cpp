// Archives made to exhaust memory: each is refused with the intake's message while the intake
// runs in a child process whose address space is capped far below what reading such a member
// whole would take.
#include <sys/resource.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "data/sjis.h"
#include "support/archive_intake_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using fixture::CraftedMember;
using fixture::DayForm;

constexpr rlim_t kAddressSpaceCap = 512u << 20;

// Exit codes of the capped child: the status, or this when the message is not the expected one.
constexpr int kWrongMessage = 100;

class MemoryBoundIntake : public fixture::IntakeTest {
protected:
    // Replaces the named file of the new day's version-3 form with bytes and packs the day.
    fs::path packVersion3DayWith(const char* name, const std::string& bytes) {
        std::vector<std::string> names = fixture::writeDay(sourceFolder(), newDay, DayForm::Version3);
        fixture::writeFile(sourceFolder(), name, bytes);
        fixture::packWithJlha(sourceFolder(), archivePath(), "-a1q", names);
        return archivePath();
    }

    // In the child: takes archive in under the cap and exits with 1 + the step it stopped at.
    [[noreturn]] void takeInCapped(const fs::path& archive, const std::string& messageStart) {
        rlimit cap{kAddressSpaceCap, kAddressSpaceCap};
        if (setrlimit(RLIMIT_AS, &cap) != 0) std::_Exit(kWrongMessage + 1);
        IntakeResult result = openArchive(archive, dataFolder(), store, {});
        if (result || result.failure().message.rfind(messageStart, 0) != 0) std::_Exit(kWrongMessage);
        std::_Exit(1 + static_cast<int>(result.failure().kind));
    }

    void expectRefusedUnderCap(const fs::path& archive, IntakeStatus status, const std::string& messageStart) {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "the address sanitizer reserves more address space than the cap";
#endif
        fixture::FolderSnapshot before = fixture::snapshot(dataFolder());
        EXPECT_EXIT(takeInCapped(archive, messageStart), ::testing::ExitedWithCode(1 + static_cast<int>(status)), "");
        EXPECT_EQ(fixture::snapshot(dataFolder()), before);
    }
};

TEST_F(MemoryBoundIntake, AHeaderFileOfLineEndsOnlyHoldsNoRace) {
    expectRefusedUnderCap(packVersion3DayWith("bvo_den1.bv3", std::string(8u << 20, '\n')), IntakeStatus::LoadFailed,
                          std::string("データにレースが含まれていません"));
}

TEST_F(MemoryBoundIntake, MoreVersion3LinesThanTheStoreTakesAreRefused) {
    std::string lines;
    for (int i = 0; i < (4 << 20); ++i) lines += "x\n";
    expectRefusedUnderCap(packVersion3DayWith("bvo_den2.bv3", lines), IntakeStatus::ConvertFailed,
                          std::string("データが多すぎます: bvo_den2.bv3"));
}

TEST_F(MemoryBoundIntake, ALongLineWithoutEndIsCutToWhatTheVersion2LineTakes) {
    expectRefusedUnderCap(packVersion3DayWith("bvo_den2.bv3", std::string(32u << 20, 'x')), IntakeStatus::LoadFailed,
                          std::string("データの整合性がありません"));
}

TEST_F(MemoryBoundIntake, ADataMemberLargerThanARecordFileIsRefusedBeforeUnpacking) {
    std::vector<CraftedMember> members = dayMembers();
    members.push_back({"bvo_den1.bv3", "x", "-lh0-", 0, uint32_t{1} << 31});
    expectRefusedUnderCap(
        writeArchive(fixture::craftArchive(members)), IntakeStatus::ExtractFailed,
        std::string("データの展開でエラーが発生しました。\r\n\r\n7 : データファイルが大きすぎます: bvo_den1.bv3"));
}

}  // namespace
}  // namespace zv
