#include "data/text_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "data/error.h"
#include "data/file_sink.h"
#include "data/sjis.h"
#include "support/data_set_fixture.h"

namespace zv {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(JoinCrLf, EndsEveryLineWithCrLf) {
    struct Case {
        std::vector<std::string> lines;
        std::string bytes;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"a", "b"}, "a\r\nb\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(joinCrLf(c.lines), c.bytes);
}

TEST(WriteFileReplacing, ReplacesTheFileAndLeavesNoTemporary) {
    fixture::TempFolder folder;
    std::filesystem::path target = folder.path() / "out.txt";
    writeFileReplacing(target, "old\r\n");
    writeFileReplacing(target, "new\r\n");
    EXPECT_EQ(readBytes(target), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteFileReplacing, FailureIsAnIoErrorAndWritesNothing) {
    fixture::TempFolder folder;
    std::filesystem::path target = folder.path() / "missing" / "out.txt";
    try {
        writeFileReplacing(target, "x");
        FAIL() << "written";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// A disk that refuses one step of a write, whoever runs the test.
class RefusingDisk : public DiskFileSink {
public:
    enum class Step { Create, Write, Sync, Rename };
    RefusingDisk(Step step, int error) : step_(step), error_(error) {}
    int create(std::string& pattern, mode_t mode) override {
        return step_ == Step::Create ? refuse(-1) : DiskFileSink::create(pattern, mode);
    }
    bool write(int fd, std::string_view bytes) override {
        return step_ == Step::Write ? refuse(false) : DiskFileSink::write(fd, bytes);
    }
    bool sync(int fd) override { return step_ == Step::Sync ? refuse(false) : DiskFileSink::sync(fd); }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return step_ == Step::Rename ? refuse(false) : DiskFileSink::rename(from, to);
    }

private:
    template <typename T>
    T refuse(T failed) const {
        errno = error_;
        return failed;
    }
    Step step_;
    int error_;
};

TEST(WriteFileReplacing, RefusedStepIsAnIoErrorThatKeepsTheOldFile) {
    using Step = RefusingDisk::Step;
    struct Case {
        Step step;
        int error;
        const char* says;
    };
    const Case cases[] = {
        {Step::Create, EACCES, "Permission denied"},
        {Step::Write, ENOSPC, "No space left on device"},
        {Step::Sync, EIO, "Input/output error"},
        {Step::Rename, EROFS, "Read-only file system"},
    };
    for (const Case& c : cases) {
        fixture::TempFolder folder;
        std::filesystem::path target = folder.path() / "out.txt";
        writeFileReplacing(target, "old\r\n");
        RefusingDisk disk(c.step, c.error);
        FileSinkOverride refusing(disk);
        try {
            writeFileReplacing(target, "new\r\n");
            ADD_FAILURE() << c.says << ": written";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io) << c.says;
            EXPECT_NE(e.message().find(c.says), std::string::npos) << e.message();
        }
        EXPECT_EQ(readBytes(target), "old\r\n") << c.says;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << c.says;
    }
}

// What the user set on a target stays: a link stays a link whose file gets the content, a
// replaced file keeps its mode, a new file gets the mode the umask gives.
TEST(WriteFileReplacing, KeepsLinksAndModes) {
    namespace fs = std::filesystem;
    fixture::TempFolder folder;
    fixture::writeFile(folder.path(), "real.kmi", "old");
    fs::permissions(folder.path() / "real.kmi", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.kmi", folder.path() / "out.kmi");
    writeFileReplacing(folder.path() / "out.kmi", "new");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "out.kmi"));
    EXPECT_EQ(readBytes(folder.path() / "real.kmi"), "new");
    EXPECT_EQ(fs::status(folder.path() / "real.kmi").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t oldMask = ::umask(027);
    writeFileReplacing(folder.path() / "fresh.idx", "F3F\r\n");
    ::umask(oldMask);
    EXPECT_EQ(fs::status(folder.path() / "fresh.idx").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 3);
}

TEST(WriteFileReplacing, RefusesAReadOnlyFileAndLeavesIt) {
    namespace fs = std::filesystem;
    fixture::TempFolder folder;
    fixture::writeFile(folder.path(), "zv.csv", "old");
    fs::permissions(folder.path() / "zv.csv", fs::perms::owner_read | fs::perms::group_read);
    try {
        writeFileReplacing(folder.path() / "zv.csv", "new");
        FAIL() << "written";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_EQ(e.message(), "読み取り専用のファイルには書き込めません: " + (folder.path() / "zv.csv").string());
    }
    EXPECT_EQ(readBytes(folder.path() / "zv.csv"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace zv
