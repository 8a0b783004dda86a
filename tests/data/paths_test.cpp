#include "data/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "data/error.h"
#include "support/data_set_fixture.h"

namespace zv {
namespace {

// Sets (or unsets, for nothing) an environment variable for one test and restores it after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ResolveDataFolder, ChoosesOptionThenEnvironmentThenUserDataFolder) {
    fixture::TempFolder root;
    const std::string base = root.path().string();
    struct Case {
        const char* name;
        std::optional<std::string> option;
        std::optional<std::string> zelvoraDataDir;
        std::optional<std::string> xdgDataHome;
        std::optional<std::string> home;
        std::string expected;
    };
    const Case cases[] = {
        {"--data-dir wins", base + "/opt", base + "/env", std::nullopt, base, base + "/opt"},
        {"ZELVORA_DATA_DIR next", std::nullopt, base + "/env", std::nullopt, base, base + "/env"},
        {"an empty option counts as none", std::string(), base + "/env", std::nullopt, base, base + "/env"},
        {"XDG_DATA_HOME/Zelvora", std::nullopt, std::nullopt, base + "/xdg", base, base + "/xdg/Zelvora"},
        {"an empty ZELVORA_DATA_DIR counts as none", std::nullopt, "", base + "/xdg", base, base + "/xdg/Zelvora"},
        {"~/.local/share/Zelvora", std::nullopt, std::nullopt, std::nullopt, base, base + "/.local/share/Zelvora"},
        {"a relative XDG_DATA_HOME is ignored", std::nullopt, std::nullopt, "relative/xdg", base,
         base + "/.local/share/Zelvora"},
    };
    for (const Case& c : cases) {
        ScopedEnv data("ZELVORA_DATA_DIR", c.zelvoraDataDir);
        ScopedEnv xdg("XDG_DATA_HOME", c.xdgDataHome);
        ScopedEnv home("HOME", c.home);
        std::optional<std::filesystem::path> option;
        if (c.option) option = *c.option;
        std::filesystem::path folder = resolveDataFolder(option);
        EXPECT_EQ(folder, std::filesystem::path(c.expected)) << c.name;
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << c.name << ": not created";
    }
}

TEST(ResolveDataFolder, CreatesMissingParents) {
    fixture::TempFolder root;
    std::filesystem::path nested = root.path() / "a" / "b" / "c";
    EXPECT_EQ(resolveDataFolder(nested), nested);
    EXPECT_TRUE(std::filesystem::is_directory(nested));
}

TEST(ResolveDataFolder, AFileInTheWayIsAnIoError) {
    fixture::TempFolder root;
    std::filesystem::path blocked = root.path() / "data";
    std::ofstream(blocked) << "x";
    for (const std::filesystem::path& folder : {blocked, blocked / "inside"}) {
        try {
            resolveDataFolder(folder);
            ADD_FAILURE() << folder << " accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io);
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(blocked));
    }
}

}  // namespace
}  // namespace zv
