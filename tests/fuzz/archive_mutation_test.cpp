// The archive fuzz target's mutator keeps archives whole while it changes their members, so that
// the changed data sets get past the envelope: to the conversion, the load and the install.
#include "entries/archive_mutation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>

#include "data/archive/extract.h"
#include "data/archive/intake.h"
#include "replay_inputs.h"
#include "support/temp_folder.h"

namespace zv::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxSize = 20000;  // the target's -max_len in scripts/fuzz.sh
constexpr int kChains = 6;
constexpr int kChainLength = 4;

// What libFuzzer's byte mutation does, in small: one to four bytes set at random.
ByteMutator byteChanger(std::minstd_rand& random) {
    return [&random](uint8_t* data, size_t size, size_t) {
        for (size_t n = 1 + random() % 4; n > 0 && size > 0; --n)
            data[random() % size] = static_cast<uint8_t>(random());
        return size;
    };
}

fs::path written(const fs::path& folder, const std::string& bytes) {
    const fs::path file = folder / "mutated.lzh";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    return file;
}

// Each seed archive changed again and again, as a fuzzer does, in a few chains; every result.
std::vector<std::string> mutationChains() {
    std::vector<std::string> results;
    std::minstd_rand random(5);
    const ByteMutator changeBytes = byteChanger(random);
    for (const SavedInput& seed : savedInputs("archive")) {
        for (int chain = 0; chain < kChains; ++chain) {
            std::string current(seed.bytes.begin(), seed.bytes.end());
            for (int step = 0; step < kChainLength; ++step) {
                const auto* bytes = reinterpret_cast<const uint8_t*>(current.data());
                std::optional<std::string> mutated =
                    mutateMembers(Input(bytes, current.size()), kMaxSize, static_cast<unsigned>(random()), changeBytes);
                if (!mutated) break;
                results.push_back(*mutated);
                current = *mutated;
            }
        }
    }
    return results;
}

TEST(ArchiveMutation, ChangedArchivesAreWholeAndWithinTheSizeLimit) {
    const std::vector<std::string> archives = mutationChains();
    ASSERT_GE(archives.size(), static_cast<size_t>(kChains * kChainLength) * 6) << "a seed archive was not read";
    fixture::TempFolder folder;
    for (const std::string& bytes : archives) {
        EXPECT_LE(bytes.size(), kMaxSize);
        const fs::path archive = written(folder.path(), bytes);
        const archive::ArchiveListing listing = archive::listArchive(archive);
        EXPECT_TRUE(listing.intact);
        EXPECT_FALSE(listing.members.empty());
        const fs::path unpacked = folder.path() / "unpacked";
        fs::remove_all(unpacked);
        fs::create_directory(unpacked);
        // Every member's data match their size and CRC.
        EXPECT_TRUE(archive::extractArchive(archive, listing, unpacked, {}).empty());
    }
}

TEST(ArchiveMutation, ChangedDataSetsReachTheLoadAndTheInstall) {
    fixture::TempFolder folder;
    std::map<std::optional<IntakeStatus>, int> reached;  // nothing: taken in
    for (const std::string& bytes : mutationChains()) {
        const fs::path dataFolder = folder.path() / "data";
        fs::remove_all(dataFolder);
        fs::create_directories(dataFolder / kInstallObstacles[0]);
        std::ofstream(dataFolder / kInstallObstacles[1]) << "kept";
        fs::permissions(dataFolder / kInstallObstacles[1], fs::perms::owner_read);
        RaceDataStore store;
        const IntakeResult result = openArchive(written(folder.path(), bytes), dataFolder, store, {});
        ++reached[result ? std::nullopt : std::optional(result.failure().kind)];
    }
    // Past the envelope: refused as no data set, refused by the load, refused by the install, taken in.
    for (std::optional<IntakeStatus> status :
         {std::optional(IntakeStatus::NoDataSet), std::optional(IntakeStatus::LoadFailed),
          std::optional(IntakeStatus::InstallFailed), std::optional<IntakeStatus>()}) {
        EXPECT_GT(reached[status], 0) << "intake step " << (status ? static_cast<int>(*status) : -1);
    }
}

}  // namespace
}  // namespace zv::fuzz
