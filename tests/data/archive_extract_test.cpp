#include <gtest/gtest.h>

#include "data/archive/extract.h"
#include "support/archive_fixture.h"
#include "support/data_set_fixture.h"

namespace zv::archive {
namespace {

namespace fs = std::filesystem;
using fixture::readFile;
using fixture::TempFolder;

// Text that compresses, and bytes that do not.
std::string sampleText(size_t size) {
    std::string text;
    for (size_t i = 0; text.size() < size; ++i) text += "line " + std::to_string(i * 7919 % 1000) + "\r\n";
    return text.substr(0, size);
}

std::string noiseBytes(size_t size) {
    std::string bytes(size, '\0');
    uint32_t x = 12345;
    for (char& c : bytes) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

struct JlhaCase {
    const char* options;
    const char* method;
};

constexpr JlhaCase kJlhaCases[] = {
    {"-a0q", "-lh5-"},   {"-a1q", "-lh5-"},   {"-a2q", "-lh5-"},   {"-a0zq", "-lh0-"},
    {"-a1zq", "-lh0-"},  {"-a2zq", "-lh0-"},  {"-a0o6q", "-lh6-"}, {"-a1o6q", "-lh6-"},
    {"-a2o6q", "-lh6-"}, {"-a0o7q", "-lh7-"}, {"-a1o7q", "-lh7-"}, {"-a2o7q", "-lh7-"},
};

TEST(ExtractArchive, UnpacksEveryLevelAndMethodJlhaMakesWithExactNames) {
    TempFolder source;
    const std::map<std::string, std::string> files = {
        {"bvo_den1.bv2", sampleText(40000)}, {"BVO_UMA.BV2", noiseBytes(70000)}, {"empty.txt", ""}};
    for (const auto& [name, content] : files) fixture::writeFile(source.path(), name.c_str(), content);

    for (const JlhaCase& c : kJlhaCases) {
        SCOPED_TRACE(c.options);
        TempFolder out;
        fs::path archive = out.path() / "day.lzh";
        fixture::packWithJlha(source.path(), archive, c.options, {"bvo_den1.bv2", "BVO_UMA.BV2", "empty.txt"});

        ArchiveListing listing = listArchive(archive);
        ASSERT_TRUE(listing.intact);
        ASSERT_EQ(listing.members.size(), 3u);
        EXPECT_EQ(listing.members[0].method, c.method);
        EXPECT_EQ(listing.members[1].rawName, "BVO_UMA.BV2");
        EXPECT_EQ(listing.members[1].fileName, "BVO_UMA.BV2");
        EXPECT_EQ(listing.writtenLength(), 110000u);

        fs::path target = out.path() / "target";
        fs::create_directory(target);
        std::vector<int> percents;
        auto errors = extractArchive(archive, listing, target, [&](int p) { percents.push_back(p); });
        ASSERT_TRUE(errors.empty()) << errors[0].text;
        for (const auto& [name, content] : files) EXPECT_EQ(readFile(target / name), content) << name;
        ASSERT_GE(percents.size(), 2u);
        EXPECT_EQ(percents[percents.size() - 2], 100);
        EXPECT_EQ(percents.back(), 0);
    }
}

struct BrokenCase {
    const char* what;
    std::string bytes;
    bool anyMember;  // whether the listing still shows a member
};

std::vector<BrokenCase> brokenArchives() {
    std::string good = fixture::craftArchive({{"bvo_uma.bv2", "horse lines\r\n"}, {"bvo_den1.bv2", "races\r\n"}});
    std::string firstMember = fixture::craftMember({"bvo_uma.bv2", "horse lines\r\n"});
    std::string badChecksum = good;
    badChecksum[firstMember.size() + fixture::kHeaderChecksumOffset] ^= 0x55;
    return {
        {"an empty file", "", false},
        {"text", "this is not an archive\r\n", false},
        {"random bytes", noiseBytes(3000), false},
        {"cut inside the second header", good.substr(0, firstMember.size() + 10), true},
        {"cut inside the second member's data", good.substr(0, good.size() - 4), true},
        {"the end byte followed by junk", good + "junk", true},
        {"junk before the first header", "MZ junk" + good, true},
        {"a wrong header checksum", badChecksum, true},
    };
}

TEST(ListArchive, BrokenArchivesAreNotIntact) {
    for (const BrokenCase& c : brokenArchives()) {
        TempFolder folder;
        fixture::writeFile(folder.path(), "broken.lzh", c.bytes);
        ArchiveListing listing = listArchive(folder.path() / "broken.lzh");
        EXPECT_FALSE(listing.intact) << c.what;
        if (!c.anyMember) {
            EXPECT_TRUE(listing.members.empty()) << c.what;
        }
    }
}

TEST(ListArchive, ACraftedArchiveWithAndWithoutTheEndByteIsIntact) {
    std::string archive = fixture::craftArchive({{"a.txt", "abc"}, {"b.txt", "", "-lh0-", 1}});
    for (const std::string& bytes : {archive, archive.substr(0, archive.size() - 1)}) {
        TempFolder folder;
        fixture::writeFile(folder.path(), "a.lzh", bytes);
        ArchiveListing listing = listArchive(folder.path() / "a.lzh");
        EXPECT_TRUE(listing.intact);
        EXPECT_EQ(listing.members.size(), 2u);
    }
}

TEST(ListArchive, AMissingFileIsNotOpened) {
    TempFolder folder;
    ArchiveListing listing = listArchive(folder.path() / "missing.lzh");
    EXPECT_FALSE(listing.opened);
    EXPECT_TRUE(listing.members.empty());
    EXPECT_FALSE(listArchive(folder.path()).opened) << "a folder is not an archive";
}

struct ExtractFailureCase {
    const char* what;
    std::vector<fixture::CraftedMember> members;
    ExtractErrorCode code;
};

TEST(ExtractArchive, FailingMembersAreReportedAndLeaveNoFile) {
    const ExtractFailureCase cases[] = {
        {"an unknown method", {{"ok.txt", "fine"}, {"bvo_uma.bv2", "data", "-lh9-"}}, ExtractErrorCode::UnknownMethod},
        {"a wrong size", {{"ok.txt", "fine"}, {"bvo_uma.bv2", "data", "-lh0-", 0, 9}}, ExtractErrorCode::DataCorrupt},
    };
    for (const ExtractFailureCase& c : cases) {
        TempFolder folder;
        fixture::writeFile(folder.path(), "a.lzh", fixture::craftArchive(c.members));
        fs::path target = folder.path() / "target";
        fs::create_directory(target);
        ArchiveListing listing = listArchive(folder.path() / "a.lzh");
        auto errors = extractArchive(folder.path() / "a.lzh", listing, target, {});
        ASSERT_EQ(errors.size(), 1u) << c.what;
        EXPECT_EQ(errors[0].code, static_cast<int>(c.code)) << c.what;
        EXPECT_FALSE(fs::exists(target / "bvo_uma.bv2")) << c.what;
    }
}

TEST(ExtractArchive, ACorruptedDataByteFailsTheCrcAndTheFileIsRemoved) {
    TempFolder folder;
    std::string archive = fixture::craftArchive({{"bvo_uma.bv2", "horse lines\r\n"}});
    archive[archive.size() - 3] ^= 0x01;
    fixture::writeFile(folder.path(), "a.lzh", archive);
    fs::path target = folder.path() / "target";
    fs::create_directory(target);
    auto errors = extractArchive(folder.path() / "a.lzh", listArchive(folder.path() / "a.lzh"), target, {});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, static_cast<int>(ExtractErrorCode::DataCorrupt));
    EXPECT_TRUE(fs::is_empty(target));
}

TEST(ExtractArchive, NamesAreCutToTheirFileNameAndFoldersAndLinksAreSkipped) {
    TempFolder folder;
    fs::path target = folder.path() / "data";
    fs::create_directories(target);
    fixture::writeFile(folder.path(), "a.lzh",
                       fixture::craftArchive({
                           {"../outside.txt", "one"},
                           {"/tmp/absolute.txt", "two"},
                           {"sub\\dir\\nested.txt", "three"},
                           {"..", "four"},
                           {"bvo_den1.bv2|/etc/passwd", "", "-lhd-"},
                           fixture::symbolicLink("bvo_uma.bv2", "/etc/hostname"),
                           {"folder\\", "", "-lhd-"},
                       }));
    auto errors = extractArchive(folder.path() / "a.lzh", listArchive(folder.path() / "a.lzh"), target, {});
    for (const ExtractError& e : errors) ADD_FAILURE() << e.code << " : " << e.text;
    EXPECT_EQ(fixture::snapshot(target).size(), 3u);
    EXPECT_EQ(readFile(target / "outside.txt"), "one");
    EXPECT_EQ(readFile(target / "absolute.txt"), "two");
    EXPECT_EQ(readFile(target / "nested.txt"), "three");
    EXPECT_FALSE(fs::exists(folder.path() / "outside.txt"));
    EXPECT_FALSE(fs::exists(fs::path("/tmp/absolute.txt")) && readFile("/tmp/absolute.txt") == "two");
}

}  // namespace
}  // namespace zv::archive
