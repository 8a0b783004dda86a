#include "support/data_set_fixture.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "data/convert.h"
#include "data/record_builder.h"
#include "data/records.h"
#include "data/store.h"
#include "data/text_file.h"

namespace zv::fixture {

std::string headerLine(std::string_view countText, int raceNumber) {
    RecordBuilder b(kHeaderLineLength);
    b.set(header_line::racecourse_code, "04")
        .setNumber(header_line::race_number, raceNumber)
        .set(header_line::race_date, "20260412");
    b.set(header_line::weekday_code, "02")
        .set(header_line::race_type_code, "2")
        .set(header_line::race_class_code, "00003");
    b.set(header_line::distance, "1600").set(header_line::post_time, "10:05");
    b.setBytes(header_line::runner_count.pos, countText);
    return b.line();
}

std::string markedName(int globalIndex) { return "H" + std::to_string(globalIndex); }

std::string runnerLine(int globalIndex) {
    return RecordBuilder(kRunnerLineLength).set(runner_line::horse_name, markedName(globalIndex)).line();
}

std::string horseLine(int globalIndex) {
    return RecordBuilder(kHorseLineLength).set(horse_line::horse_name, markedName(globalIndex)).line();
}

void writeFile(const std::filesystem::path& folder, const char* name, std::string_view bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write fixture file");
}

void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts, int runnerLines,
                  int horseLines) {
    std::vector<std::string> headers, runners, horses;
    for (size_t i = 0; i < counts.size(); ++i) headers.push_back(headerLine(counts[i], static_cast<int>(i % 12) + 1));
    for (int g = 0; g < runnerLines; ++g) runners.push_back(runnerLine(g));
    for (int g = 0; g < horseLines; ++g) horses.push_back(horseLine(g));
    writeFile(folder, kHeaderFile, joinCrLf(headers));
    writeFile(folder, kRunnerFile, joinCrLf(runners));
    writeFile(folder, kHorseFile, joinCrLf(horses));
}

void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts) {
    int total = 0;
    for (const std::string& c : counts) total += parseInt(c).value_or(0);
    writeDataSet(folder, counts, total, total);
}

}  // namespace zv::fixture
