#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "settings/developer_mode.h"

namespace zv::settings {
namespace {

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(DeveloperModeTest, IniFileIsTheProgramPathWithIni) {
    EXPECT_EQ(iniPathFor("/opt/zv/zelvora"), "/opt/zv/zelvora.ini");
    EXPECT_EQ(iniPathFor("/opt/zv/ZV.exe"), "/opt/zv/ZV.ini");
}

TEST(DeveloperModeTest, FlagIsOnOnlyForANonZeroNumber) {
    struct Case {
        const char* name;
        const char* content;  // nullptr: no INI file
        bool expected;
    };
    const Case cases[] = {
        {"no INI file", nullptr, false},
        {"one", "[Option]\r\nDeveloperMode=1\r\n", true},
        {"another non-zero number", "[Option]\nDeveloperMode=2\n", true},
        {"zero", "[Option]\nDeveloperMode=0\n", false},
        {"not a number", "[Option]\nDeveloperMode=yes\n", false},
        {"empty value", "[Option]\nDeveloperMode=\n", false},
        {"other section", "[Other]\nDeveloperMode=1\n", false},
        {"empty file", "", false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const std::filesystem::path program = std::filesystem::path(dir.path().toStdString()) / "zelvora";
        if (c.content) writeFile(iniPathFor(program), c.content);
        EXPECT_EQ(readDeveloperFlag(iniPathFor(program)), c.expected) << c.name;
    }
}

TEST(DeveloperModeTest, DataFolderIniCountsToo) {
    struct Case {
        const char* name;
        const char* besideProgram;
        const char* inDataFolder;
        bool expected;
    };
    const Case cases[] = {
        {"neither", nullptr, nullptr, false},
        {"beside the program", "[Option]\nDeveloperMode=1\n", nullptr, true},
        {"in the data folder", nullptr, "[Option]\nDeveloperMode=1\n", true},
        {"off beside, on in the data folder", "[Option]\nDeveloperMode=0\n", "[Option]\nDeveloperMode=1\n", true},
        {"off in both", "[Option]\nDeveloperMode=0\n", "[Option]\nDeveloperMode=x\n", false},
    };
    for (const Case& c : cases) {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        const std::filesystem::path program = std::filesystem::path(programDir.path().toStdString()) / "zelvora";
        const std::filesystem::path data = dataDir.path().toStdString();
        if (c.besideProgram) writeFile(iniPathFor(program), c.besideProgram);
        if (c.inDataFolder) writeFile(data / "zelvora.ini", c.inDataFolder);
        EXPECT_EQ(readDeveloperMode(program, data), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zv::settings
