// The meeting days a user hands the library: archives and day folders, found in folders at any
// depth, each taken in (an archive unpacked with the intake's checks into a scratch folder, so the
// data folder is not touched and nothing there needs syncing) and added.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/day_inputs.h"
#include "library.h"

namespace zv::library {

struct DayInput {
    std::filesystem::path path;
    bool archive = false;
};

struct RefusedInput {
    std::filesystem::path path;
    std::string reason;  // UTF-8
};

// The day folders and archives of paths, in the order given and by name within a folder. A file
// given is taken as an archive whatever its name; within folders only names of archives count.
// A path that holds neither is listed in refused.
std::vector<DayInput> findDayInputs(const std::vector<std::filesystem::path>& paths,
                                    std::vector<RefusedInput>& refused);

// What became of one input: its day added or skipped, or why it was refused (UTF-8; for an archive
// the intake's own message).
struct InputOutcome {
    std::optional<AddResult> added;
    std::string refusal;
};

InputOutcome addDayInput(Library& library, const DayInput& input, ScratchFolder& scratch);

}  // namespace zv::library
