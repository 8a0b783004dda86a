#include "demo/record_builder.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

TEST(RecordBuilder, WritesFieldsAtTheirPositions) {
    RecordBuilder b(kHeaderLineLength);
    b.set(den1::racecourse_code, "04").setNumber(den1::race_number, 1).set(den1::race_name, sj("皐月賞"));
    b.setNumber(den1::runner_count, 9).set(den1::jpn_grade_flag, "1");
    const std::string& line = b.line();
    ASSERT_EQ(line.size(), static_cast<size_t>(kHeaderLineLength));
    struct Case {
        FieldDef f;
        std::string value;
    };
    const Case cases[] = {
        {den1::racecourse_code, "04"},
        {den1::race_number, "01"},
        {den1::race_name, sj("皐月賞") + std::string(24, ' ')},
        {den1::runner_count, "09"},
        {den1::jpn_grade_flag, "1"},
        {den1::grade_code, " "},
        {den1::post_time, "     "},
    };
    for (const Case& c : cases) EXPECT_EQ(field(line, c.f), c.value) << c.f.name;
}

TEST(RecordBuilder, PastGroupsStand590BytesApart) {
    RecordBuilder b(kHorseLineLength);
    for (int k = 0; k < kPastGroups; ++k) b.setPastNumber(uma::past_distance, k, 1000 + 200 * k);
    b.setPast(uma::past_opponent_name, 4, sj("アイウ"));
    for (int k = 0; k < kPastGroups; ++k) {
        EXPECT_EQ(pastField(b.line(), uma::past_distance, k), std::to_string(1000 + 200 * k)) << k;
    }
    EXPECT_EQ(trimmed(pastField(b.line(), uma::past_opponent_name, 4)), sj("アイウ"));
    EXPECT_EQ(b.line().size(), static_cast<size_t>(kHorseLineLength));
}

TEST(RecordBuilder, RefusesValuesThatDoNotFit) {
    RecordBuilder b(kRunnerLineLength);
    const std::string before = b.line();
    EXPECT_THROW(b.set(den2::age, "123"), Error);
    EXPECT_THROW(b.setNumber(den2::age, 100), Error);
    EXPECT_THROW(b.setNumber(den2::age, -1), Error);
    EXPECT_THROW(b.setBytes(0, "x"), Error);
    EXPECT_EQ(b.line(), before);
}

TEST(RecordBuilder, GrowsTheLineForFieldsBeyondItsEnd) {
    RecordBuilder b(10);
    b.set(den2::rate, "123");
    EXPECT_EQ(b.line().size(), 708u);
    EXPECT_EQ(field(b.line(), den2::rate), "123");
    EXPECT_EQ(field(b.line(), den2::horse_name), std::string(18, ' '));
}

}  // namespace
}  // namespace zv
