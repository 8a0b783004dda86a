#include "data/text_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/error.h"
#include "data_set_fixture.h"

namespace zv {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(JoinCrLf, EndsEveryLineWithCrLf) {
    struct Case { std::vector<std::string> lines; std::string bytes; };
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

}  // namespace
}  // namespace zv
