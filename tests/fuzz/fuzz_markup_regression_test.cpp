// Seeds and saved crash inputs of the grid mark-up fuzz target, replayed through its entry point.
#include <gtest/gtest.h>

#include "replay_inputs.h"

namespace zv::fuzz {
namespace {

TEST(SavedMarkupFuzzInputs, AreRenderedCleanly) { replayAll("markup", renderGridMarkup); }

}  // namespace
}  // namespace zv::fuzz
