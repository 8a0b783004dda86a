// Seeds and saved crash inputs of the core's fuzz targets, replayed through their entry points:
// each must be taken or rejected cleanly (a crash or sanitizer report fails the run).
#include <gtest/gtest.h>

#include "replay_inputs.h"

namespace zv::fuzz {
namespace {

struct Target {
    const char* name;
    void (*entry)(Input);
};

constexpr Target kTargets[] = {
    {"loader", loadRecordFiles},        {"mapped", mapRecordFiles}, {"race", showRaceFromLines},
    {"records", roundTripRecords},      {"archive", takeInArchive}, {"settings", readServiceSettings},
    {"cipher", decipherStoredPassword},
};

class SavedFuzzInputs : public testing::TestWithParam<Target> {};

TEST_P(SavedFuzzInputs, AreTakenOrRejectedCleanly) { replayAll(GetParam().name, GetParam().entry); }

INSTANTIATE_TEST_SUITE_P(Targets, SavedFuzzInputs, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zv::fuzz
