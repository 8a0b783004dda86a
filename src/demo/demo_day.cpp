#include "demo_day.h"

#include <algorithm>
#include <system_error>

#include "data/error.h"
#include "data/sjis.h"
#include "data/store.h"
#include "data/text_file.h"
#include "demo_card.h"
#include "demo_horse.h"

namespace zv {

int bracketNumber(int horseNumber, int runners) {
    if (runners <= 8) return horseNumber;
    int base = runners / 8, extra = runners % 8;
    int h = horseNumber;
    for (int frame = 1; frame <= 8; ++frame) {
        int size = base + (frame > 8 - extra ? 1 : 0);
        if (h <= size) return frame;
        h -= size;
    }
    return 8;
}

DemoDay makeDemoDay(uint32_t seed, int fieldSize) {
    demo::Random random(seed);
    demo::NamesInUse names;
    DemoDay day;
    for (const demo::CourseDay& course : demo::demoCourses()) {
        for (const demo::RacePlan& plan : course.races) {
            int runners = fieldSize > 0 ? std::min(fieldSize, 18) : random.between(plan.minRunners, plan.maxRunners);
            day.headerLines.push_back(demo::headerLine(course, plan, runners));
            names.jockeysInRace.clear();
            for (int h = 1; h <= runners; ++h) {
                demo::RunnerLines lines = demo::makeRunner(random, course, plan, bracketNumber(h, runners), names);
                day.runnerLines.push_back(std::move(lines.runner));
                day.horseLines.push_back(std::move(lines.horse));
            }
        }
    }
    return day;
}

void writeDemoDay(const std::filesystem::path& folder, uint32_t seed, int fieldSize) {
    writeDayFiles(folder, makeDemoDay(seed, fieldSize));
}

void writeDayFiles(const std::filesystem::path& folder, const DemoDay& day) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        throw Error(ErrorKind::Io, "フォルダを作成できません: " + pathText(folder) + " (" + errorCodeText(ec) + ")");
    }
    writeFileReplacing(folder / kHeaderFile, joinCrLf(day.headerLines), FileDurability::Regenerable);
    writeFileReplacing(folder / kRunnerFile, joinCrLf(day.runnerLines), FileDurability::Regenerable);
    writeFileReplacing(folder / kHorseFile, joinCrLf(day.horseLines), FileDurability::Regenerable);
}

bool writeDemoDayUnlessDataSet(const std::filesystem::path& folder, uint32_t seed) {
    std::error_code ignored;
    bool present = true;
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile})
        present = present && std::filesystem::exists(folder / name, ignored);
    if (present) return false;
    writeDemoDay(folder, seed);
    return true;
}

}  // namespace zv
