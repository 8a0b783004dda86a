#include <gtest/gtest.h>

#include "data/archive/member_name.h"
#include "support/archive_fixture.h"

namespace zv::archive {
namespace {

struct NameCase {
    std::string raw;
    std::string written;  // empty: not written
};

const NameCase kNameCases[] = {
    {"bvo_uma.bv2", "bvo_uma.bv2"},
    {"BVO_UMA.BV2", "BVO_UMA.BV2"},
    {"data/bvo_den1.bv2", "bvo_den1.bv2"},
    {"data\\bvo_den1.bv2", "bvo_den1.bv2"},
    {"../evil.txt", "evil.txt"},
    {"..\\..\\evil.txt", "evil.txt"},
    {"/etc/cron.d/evil", "evil"},
    {"C:\\Windows\\evil.dll", "evil.dll"},
    {"", ""},
    {".", ""},
    {"..", ""},
    {"dir/", ""},
    {"dir/..", ""},
    {std::string("bvo_uma.bv2\0x", 13), ""},
    {"\x95\x5C.txt", "\x95\x5C.txt"},            // 表.txt: 0x5C is the character's second byte
    {"\x95\x5C\\\x95\x5C.txt", "\x95\x5C.txt"},  // 表\表.txt
    {"\x82\xA0/\x95\x5C", "\x95\x5C"},           // あ/表
};

TEST(SafeFileName, KeepsOnlyTheLastComponentAndRefusesNamesThatCannotBeWritten) {
    for (const NameCase& c : kNameCases) EXPECT_EQ(safeFileName(c.raw), c.written) << c.raw;
}

std::span<const uint8_t> bytes(const std::string& s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

TEST(RawMemberName, ReadsTheStoredBytesOfLevel0And1Headers) {
    const std::string names[] = {"BVO_UMA.BV2", "\x95\x5C\\a.txt", "../x"};
    for (int level : {0, 1}) {
        for (const std::string& name : names) {
            std::string member = fixture::craftMember({name, "data", "-lh0-", level, {}});
            std::string header = member.substr(0, member.size() - 4);
            EXPECT_EQ(rawMemberName(bytes(header), level), name) << "level " << level;
        }
    }
}

// A level-1 header whose 0x01 extended header names the file, and a level-2 header.
TEST(RawMemberName, ReadsTheFileNameExtendedHeader) {
    std::string level1 = fixture::craftMember({"short", "", "-lh0-", 1, {}});
    level1.resize(level1.size() - 2);  // drop the closing "no extended header" size
    std::string longName = "BVO_UMA.BV2";
    level1 += static_cast<char>(longName.size() + 3);
    level1 += '\0';
    level1 += '\x01';
    level1 += longName;
    level1 += std::string(2, '\0');
    EXPECT_EQ(rawMemberName(bytes(level1), 1), longName);

    std::string level2(24, '\0');
    level2 += static_cast<char>(longName.size() + 3);
    level2 += '\0';
    level2 += '\x01';
    level2 += longName;
    level2 += std::string(2, '\0');
    EXPECT_EQ(rawMemberName(bytes(level2), 2), longName);
}

TEST(RawMemberName, CutHeadersGiveNoName) {
    std::string member = fixture::craftMember({"bvo_uma.bv2", "", "-lh0-", 0, {}});
    for (size_t cut : {0, 10, 21, 22, 30}) {
        EXPECT_EQ(rawMemberName(bytes(member.substr(0, cut)), 0), "") << "cut at " << cut;
    }
    std::string level2(24, '\0');
    level2 += '\x40';  // an extended header longer than what is there
    level2 += '\0';
    level2 += '\x01';
    EXPECT_EQ(rawMemberName(bytes(level2), 2), "");
}

}  // namespace
}  // namespace zv::archive
