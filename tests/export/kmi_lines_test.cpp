#include "export/kmi_lines.h"

#include <gtest/gtest.h>

#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "predict/bet_lines.h"

namespace zv {
namespace {

using Marks = std::array<int, kMarks>;

constexpr Marks kExamplePicks{5, 2, 7, 4, 3, 1};

std::string headerLine(const std::string& raceNumber) {
    RecordBuilder b(kHeaderLineLength);
    b.set(header_line::racecourse_code, "05")
        .set(header_line::race_date, "20100502")
        .set(header_line::race_number, raceNumber);
    return b.line();
}

std::vector<std::string> kmiLines(const Marks& marks, const std::string& raceNumber) {
    std::vector<std::string> lines;
    appendKmiLines(lines, decodeRaceHeader(Cp932View(headerLine(raceNumber))),
                   computeBetKeys(marks, hasTrifectaLines(raceNumber)));
    return lines;
}

TEST(KmiLines, WriteOneRecordPerLine) {
    std::vector<std::string> race11 = kmiLines(kExamplePicks, "11");
    ASSERT_EQ(race11.size(), 85u);
    EXPECT_EQ(race11[0], "0520100502110050000");
    EXPECT_EQ(race11[3], "0520100502111050000");
    EXPECT_EQ(race11[6], "0520100502113020500");
    EXPECT_EQ(race11[18], "0520100502115050200");
    EXPECT_EQ(race11[30], "0520100502116020507");
    EXPECT_EQ(race11[49], "0520100502117050207");
    for (const std::string& line : race11) EXPECT_EQ(line.size(), 19u);
    EXPECT_EQ(kmiLines(kExamplePicks, "08").size(), 49u);
    EXPECT_EQ(kmiLines(kExamplePicks, "09").size(), 85u);
}

TEST(KmiLines, LeaveOutMissingLinesAndRacesWithoutMarks) {
    EXPECT_TRUE(kmiLines({}, "11").empty());
    std::vector<std::string> lines = kmiLines({5, 2, 0, 0, 0, 0}, "11");
    EXPECT_EQ(lines, (std::vector<std::string>{"0520100502110050000", "0520100502110020000", "0520100502111050000",
                                               "0520100502111020000", "0520100502113020500", "0520100502115050200"}));
}

}  // namespace
}  // namespace zv
