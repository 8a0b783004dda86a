// The committed inputs of one fuzz target: its seed corpus (fuzz/corpus/TARGET) and the crash
// inputs found so far (fuzz/regressions/TARGET), each fed through the target's entry point.
#pragma once

#include <string>
#include <vector>

#include "entries/fuzz_entries.h"

namespace zv::fuzz {

struct SavedInput {
    std::string name;  // folder and file name, for the failure message
    std::vector<uint8_t> bytes;
};

// Every saved input of target, seeds first.
std::vector<SavedInput> savedInputs(const std::string& target);

// Feeds each input to entry; a failure names the input and what was thrown.
void replayAll(const std::string& target, void (*entry)(Input));

}  // namespace zv::fuzz
