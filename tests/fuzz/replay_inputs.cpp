#include "replay_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zv::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<SavedInput> inputsIn(const fs::path& folder) {
    std::vector<SavedInput> inputs;
    if (!fs::is_directory(folder)) return inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.push_back({folder.filename().string() + "/" + entry.path().filename().string(),
                          {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return inputs;
}

}  // namespace

std::vector<SavedInput> savedInputs(const std::string& target) {
    const fs::path root = ZV_FUZZ_FOLDER;
    std::vector<SavedInput> inputs = inputsIn(root / "corpus" / target);
    std::vector<SavedInput> crashes = inputsIn(root / "regressions" / target);
    for (SavedInput& crash : crashes) crash.name = "regressions/" + crash.name;
    inputs.insert(inputs.end(), crashes.begin(), crashes.end());
    return inputs;
}

void replayAll(const std::string& target, void (*entry)(Input)) {
    std::vector<SavedInput> inputs = savedInputs(target);
    ASSERT_FALSE(inputs.empty()) << "no seeds for " << target;
    for (const SavedInput& input : inputs) {
        try {
            entry(Input(input.bytes.data(), input.bytes.size()));
        } catch (const std::exception& e) {
            ADD_FAILURE() << input.name << ": " << e.what();
        }
    }
}

}  // namespace zv::fuzz
