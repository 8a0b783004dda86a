#include "service/settings_file.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "service_fixture.h"

namespace zv {
namespace {

TEST(ServiceSettingsFile, ReadsKeysByTheRules) {
    const std::string text =
        "URLB=before.any.section\r\n"
        "[SITE_AUTH]\r\n"
        "urlb=login.example/auth \r\n"
        "URLB=second.line\r\n"
        "\r\n"
        "\x1a\r\n"
        "; comment=kept\n"
        "no equals sign\n"
        "[site_auth]\r\n"
        "URLB=repeated.section\r\n"
        "[Data]\r"
        "KEY=a=b\r"
        "EMPTY=\r";
    ServiceSettingsFile file = ServiceSettingsFile::parse(text);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"SITE_AUTH", "URLB", "login.example/auth "},
        {"Site_Auth", "urlb", "login.example/auth "},
        {"SITE_AUTH", "; comment", "kept"},
        {"SITE_AUTH", "no equals sign", ""},
        {"DATA", "key", "a=b"},
        {"Data", "EMPTY", ""},
        {"Data", "MISSING", ""},
        {"NOWHERE", "URLB", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(file.value(c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_TRUE(file.hasSection("data"));
    EXPECT_FALSE(file.hasSection("NOWHERE"));
}

TEST(ServiceSettingsFile, FileLinesAreRawAndUpperCaseOnly) {
    ServiceSettingsFile file = ServiceSettingsFile::parse(
        "[P]\nFILE=hb0410.lzh\nfile=lower.lzh\nFILE=trail.lzh  \nFILES=x\nFILE=\n[Q]\nFILE=other.lzh\n"
        "[p]\nFILE=dropped.lzh\n");
    EXPECT_EQ(file.fileEntries("p"), (std::vector<std::string>{"hb0410.lzh", "trail.lzh  ", ""}));
    EXPECT_EQ(file.fileEntries("Q"), std::vector<std::string>{"other.lzh"});
    EXPECT_TRUE(file.fileEntries("none").empty());
}

TEST(ServiceSettingsFile, UnusableContentReadsAsEmpty) {
    const std::string contents[] = {
        "", "no sections at all\nURLB=x\n", std::string("\x00\x01\x02[\xff\xfe]\x00", 8), "[", "]\n[]",
    };
    for (const std::string& content : contents) {
        ServiceSettingsFile file = ServiceSettingsFile::parse(content);
        EXPECT_EQ(file.value("SITE_AUTH", "URLB"), "");
        EXPECT_FALSE(file.hasSection("SITE_AUTH"));
    }
}

TEST(ServiceSettingsFile, LoadRefusesMissingAndHugeFiles) {
    fixture::TempFolder folder;
    EXPECT_THROW(ServiceSettingsFile::load(folder.path() / "settei.txt"), Error);
    fixture::writeFile(folder.path(), "huge.txt", std::string(ServiceSettingsFile::kMaxBytes + 1, 'x'));
    EXPECT_THROW(ServiceSettingsFile::load(folder.path() / "huge.txt"), Error);
    fixture::writeFile(folder.path(), "ok.txt", "[SITE_AUTH]\r\nURLB=host/path\r\n");
    EXPECT_EQ(ServiceSettingsFile::load(folder.path() / "ok.txt").value("SITE_AUTH", "URLB"), "host/path");
}

}  // namespace
}  // namespace zv
