#include "data/temporary_files.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include <gtest/gtest.h>

#include "data/file_sink.h"
#include "data/text_file.h"
#include "support/data_set_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using fixture::TempFolder;

// The id of a process that has ended.
pid_t endedProcess() {
    pid_t pid = ::fork();
    if (pid == 0) std::_Exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

std::string temporaryName(const std::string& what, pid_t pid) {
    return "." + what + ".zv-" + std::to_string(pid) + "-Ab3dE9";
}

void setAge(const fs::path& path, std::chrono::seconds age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

bool present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

TEST(TemporaryNames, AreTheProgramsOwnOnly) {
    struct Case {
        const char* name;
        bool temporary;
    } cases[] = {
        {".race.kmi.zv-4711-a8Zq0c", true},  {".intake.zv-12-Qx81bb", true},
        {"race.kmi.zv-4711-a8Zq0c", false},  {".race.kmi.zv--a8Zq0c", false},
        {".race.kmi.zv-47x1-a8Zq0c", false}, {".race.kmi.zv-4711-a8Zq0", false},
        {".kaime.kmi.4711-a8Zq0c", false},   {".zelvora.lock", false},
        {".race.kmi.zv-4711-a8Zq_c", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isTemporaryName(c.name), c.temporary) << c.name;
}

TEST(RemoveStaleTemporaries, RemovesWhatEndedRunsLeftAndNothingElse) {
    TempFolder folder;
    const pid_t ended = endedProcess(), self = ::getpid();
    struct Case {
        std::string name;
        std::chrono::seconds age;
        bool removed;
    };
    const Case cases[] = {
        {temporaryName("race.kmi", ended), std::chrono::seconds(0), true},  // its process has ended
        {temporaryName("zv.csv", self), std::chrono::seconds(120), true},   // a minute unchanged
        {temporaryName("day.idx", self), std::chrono::seconds(10), false},  // may still be written
        {".race.kmi.zv-" + std::to_string(ended) + "-Ab3dE", std::chrono::seconds(600), false},  // not ours
        {"race.kmi", std::chrono::seconds(600), false},
    };
    std::vector<fs::path> paths;
    for (const Case& c : cases) {
        paths.push_back(folder.path() / c.name);
        fixture::writeFile(folder.path(), c.name.c_str(), "partial");
        setAge(paths.back(), c.age);
    }
    removeStaleTemporaries(folder.path());
    for (size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(!present(paths[i]), cases[i].removed) << paths[i];
}

TEST(RemoveStaleTemporaries, KeepsATemporaryItsWriterStillHolds) {
    TempFolder folder;
    TemporaryFile held(folder.path() / "out.kmi");
    setAge(held.path(), std::chrono::seconds(600));
    removeStaleTemporaries(folder.path());
    EXPECT_TRUE(present(held.path()));
}

TEST(RemoveStaleTemporaries, ALinkOrAFolderOfTheNamingIsLeftAlone) {
    TempFolder folder;
    const pid_t ended = endedProcess();
    fs::create_symlink("/etc/passwd", folder.path() / temporaryName("a", ended));
    fs::create_directory(folder.path() / temporaryName("b", ended));
    removeStaleTemporaries(folder.path());
    EXPECT_TRUE(present(folder.path() / temporaryName("a", ended)));
    EXPECT_TRUE(present(folder.path() / temporaryName("b", ended)));
}

// A writer killed halfway leaves its temporary; the next write into the folder removes it.
TEST(RemoveStaleTemporaries, TheNextWriteRemovesTheTemporaryOfAKilledWrite) {
    TempFolder folder;
    pid_t child = ::fork();
    if (child == 0) {
        auto* killed = new TemporaryFile(folder.path() / "zv100502.kmi");  // never removed
        fileSink().write(killed->fd(), "half a file");
        std::_Exit(0);
    }
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    ASSERT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);

    writeFileReplacing(folder.path() / "other.idx", "F3F\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
    EXPECT_TRUE(fs::exists(folder.path() / "other.idx"));
}

}  // namespace
}  // namespace zv
