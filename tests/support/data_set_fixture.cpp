#include "support/data_set_fixture.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "data/convert.h"
#include "data/records.h"
#include "data/store.h"
#include "data/text_file.h"
#include "demo/record_builder.h"

namespace zv::fixture {

std::string headerLine(std::string_view countText, int raceNumber) {
    RecordBuilder b(kHeaderLineLength);
    b.set(den1::racecourse_code, "04").setNumber(den1::race_number, raceNumber).set(den1::race_date, "20260412");
    b.set(den1::weekday_code, "02").set(den1::race_type_code, "2").set(den1::race_class_code, "00003");
    b.set(den1::distance, "1600").set(den1::post_time, "10:05");
    b.setBytes(den1::runner_count.pos, countText);
    return b.line();
}

std::string markedName(int globalIndex) { return "H" + std::to_string(globalIndex); }

std::string runnerLine(int globalIndex) {
    return RecordBuilder(kRunnerLineLength).set(den2::horse_name, markedName(globalIndex)).line();
}

std::string horseLine(int globalIndex) {
    return RecordBuilder(kHorseLineLength).set(uma::horse_name, markedName(globalIndex)).line();
}

void writeFile(const std::filesystem::path& folder, const char* name, std::string_view bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write fixture file");
}

void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts, int runnerLines,
                  int horseLines) {
    std::vector<std::string> den1, den2, uma;
    for (size_t i = 0; i < counts.size(); ++i) den1.push_back(headerLine(counts[i], static_cast<int>(i % 12) + 1));
    for (int g = 0; g < runnerLines; ++g) den2.push_back(runnerLine(g));
    for (int g = 0; g < horseLines; ++g) uma.push_back(horseLine(g));
    writeFile(folder, kDen1File, joinCrLf(den1));
    writeFile(folder, kDen2File, joinCrLf(den2));
    writeFile(folder, kUmaFile, joinCrLf(uma));
}

void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts) {
    int total = 0;
    for (const std::string& c : counts) total += parseInt(c).value_or(0);
    writeDataSet(folder, counts, total, total);
}

}  // namespace zv::fixture
