#include "data/record_builder.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

TEST(RecordBuilder, WritesFieldsAtTheirPositions) {
    RecordBuilder b(kHeaderLineLength);
    b.set(header_line::racecourse_code, "04")
        .setNumber(header_line::race_number, 1)
        .set(header_line::race_name, sj("皐月賞"));
    b.setNumber(header_line::runner_count, 9).set(header_line::jpn_grade_flag, "1");
    const std::string& line = b.line();
    ASSERT_EQ(line.size(), static_cast<size_t>(kHeaderLineLength));
    struct Case {
        FieldDef f;
        std::string value;
    };
    const Case cases[] = {
        {header_line::racecourse_code, "04"},
        {header_line::race_number, "01"},
        {header_line::race_name, sj("皐月賞") + std::string(24, ' ')},
        {header_line::runner_count, "09"},
        {header_line::jpn_grade_flag, "1"},
        {header_line::grade_code, " "},
        {header_line::post_time, "     "},
    };
    for (const Case& c : cases) EXPECT_EQ(field(line, c.f), c.value) << c.f.name;
}

TEST(RecordBuilder, PastGroupsStand590BytesApart) {
    RecordBuilder b(kHorseLineLength);
    for (int k = 0; k < kPastGroups; ++k) b.setPastNumber(horse_line::past_distance, k, 1000 + 200 * k);
    b.setPast(horse_line::past_opponent_name, 4, sj("アイウ"));
    for (int k = 0; k < kPastGroups; ++k) {
        EXPECT_EQ(pastField(b.line(), horse_line::past_distance, k), std::to_string(1000 + 200 * k)) << k;
    }
    EXPECT_EQ(trimmed(pastField(b.line(), horse_line::past_opponent_name, 4)), sj("アイウ"));
    EXPECT_EQ(b.line().size(), static_cast<size_t>(kHorseLineLength));
}

TEST(RecordBuilder, RefusesValuesThatDoNotFit) {
    RecordBuilder b(kRunnerLineLength);
    const std::string before = b.line();
    EXPECT_THROW(b.set(runner_line::age, "123"), Error);
    EXPECT_THROW(b.setNumber(runner_line::age, 100), Error);
    EXPECT_THROW(b.setNumber(runner_line::age, -1), Error);
    EXPECT_THROW(b.setBytes(0, "x"), Error);
    EXPECT_EQ(b.line(), before);
}

TEST(RecordBuilder, GrowsTheLineForFieldsBeyondItsEnd) {
    RecordBuilder b(10);
    b.set(runner_line::rate, "123");
    EXPECT_EQ(b.line().size(), 708u);
    EXPECT_EQ(field(b.line(), runner_line::rate), "123");
    EXPECT_EQ(field(b.line(), runner_line::horse_name), std::string(18, ' '));
}

}  // namespace
}  // namespace zv
