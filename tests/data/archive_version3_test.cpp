#include <sys/stat.h>

#include <gtest/gtest.h>

#include "data/archive/version3.h"
#include "data/error.h"
#include "support/archive_fixture.h"
#include "support/data_set_fixture.h"

namespace zv::archive {
namespace {

namespace fs = std::filesystem;
using fixture::readFile;
using fixture::TempFolder;

// A line whose bytes tell their position: they cycle through 211 values, none of them a line end.
std::string numberedLine(size_t length) {
    std::string line(length, '\0');
    for (size_t i = 0; i < length; ++i) line[i] = static_cast<char>(0x21 + i % 211);
    return line;
}

char byteAt(const std::string& line, size_t pos) { return line.at(pos - 1); }

struct PositionCase {
    Version3Kind kind;
    size_t version2Pos;
    size_t version3Pos;
};

constexpr PositionCase kPositionCases[] = {
    {Version3Kind::Header, 1, 1},     {Version3Kind::Header, 73, 73},   {Version3Kind::Header, 74, 75},
    {Version3Kind::Header, 349, 350}, {Version3Kind::Header, 337, 338}, {Version3Kind::Header, 350, 419},
    {Version3Kind::Header, 357, 426}, {Version3Kind::Header, 358, 74},  {Version3Kind::Header, 359, 428},
    {Version3Kind::Header, 777, 846}, {Version3Kind::Runner, 1, 1},     {Version3Kind::Runner, 255, 255},
    {Version3Kind::Runner, 256, 257}, {Version3Kind::Runner, 693, 694}, {Version3Kind::Runner, 694, 728},
    {Version3Kind::Runner, 706, 740}, {Version3Kind::Runner, 708, 742}, {Version3Kind::Runner, 709, 844},
    {Version3Kind::Runner, 720, 855}, {Version3Kind::Runner, 721, 856}, {Version3Kind::Runner, 741, 876},
};

TEST(Version3Line, FullLinesTakeEachByteFromItsVersion3Position) {
    const std::string header = numberedLine(900), runner = numberedLine(900);
    const std::string header2 = convertVersion3Line(header, Version3Kind::Header);
    const std::string runner2 = convertVersion3Line(runner, Version3Kind::Runner);
    EXPECT_EQ(header2.size(), 777u);
    EXPECT_EQ(runner2.size(), 741u);
    for (const PositionCase& c : kPositionCases) {
        const std::string& out = c.kind == Version3Kind::Header ? header2 : runner2;
        const std::string& in = c.kind == Version3Kind::Header ? header : runner;
        EXPECT_EQ(byteAt(out, c.version2Pos), byteAt(in, c.version3Pos))
            << "version-2 byte " << c.version2Pos << " of the "
            << (c.kind == Version3Kind::Header ? "header" : "runner");
    }
}

TEST(Version3Line, HeaderOf846BytesGivesA777ByteLineWithTheJpnFlagAt358) {
    std::string v3 = numberedLine(846);
    v3[73] = '1';
    std::string v2 = convertVersion3Line(v3, Version3Kind::Header);
    ASSERT_EQ(v2.size(), 777u);
    EXPECT_EQ(v2[357], '1');
}

struct ShortLineCase {
    Version3Kind kind;
    size_t length;
    size_t expected;
};

constexpr ShortLineCase kShortLines[] = {
    {Version3Kind::Header, 0, 0},     {Version3Kind::Header, 50, 50},   {Version3Kind::Header, 73, 73},
    {Version3Kind::Header, 74, 74},   {Version3Kind::Header, 100, 100}, {Version3Kind::Header, 350, 350},
    {Version3Kind::Header, 400, 350}, {Version3Kind::Header, 420, 352}, {Version3Kind::Header, 427, 358},
    {Version3Kind::Header, 500, 431}, {Version3Kind::Runner, 256, 255}, {Version3Kind::Runner, 700, 693},
    {Version3Kind::Runner, 730, 696}, {Version3Kind::Runner, 800, 708}, {Version3Kind::Runner, 860, 725},
};

TEST(Version3Line, RangesPastTheEndOfAShortLineGiveOnlyTheBytesThere) {
    for (const ShortLineCase& c : kShortLines) {
        std::string line = numberedLine(c.length);
        std::string out = convertVersion3Line(line, c.kind);
        EXPECT_EQ(out.size(), c.expected) << "line of " << c.length << " bytes";
        if (c.kind == Version3Kind::Header && c.length >= 74 && c.length < 419) {
            EXPECT_EQ(out.back(), line[73]) << "the Jpn flag still follows what is there";
        }
    }
}

// The lines a splitter hands on when content arrives in pieces of pieceSize bytes.
std::vector<std::string> splitInPieces(std::string_view content, size_t pieceSize) {
    std::vector<std::string> lines;
    Version3LineSplitter splitter;
    const Version3LineSplitter::Take take = [&](std::string_view line) { lines.emplace_back(line); };
    for (size_t pos = 0; pos < content.size(); pos += pieceSize) splitter.feed(content.substr(pos, pieceSize), take);
    splitter.finish(take);
    return lines;
}

TEST(Version3Lines, EveryLineEndEndsALineWhereverThePiecesBreak) {
    struct Case {
        const char* content;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        for (size_t pieceSize : {size_t{1}, size_t{2}, size_t{64}}) {
            EXPECT_EQ(splitInPieces(c.content, pieceSize), c.lines) << c.content << " in pieces of " << pieceSize;
        }
    }
}

TEST(Version3Lines, OnlyTheBytesAVersion2LineTakesAreKept) {
    std::string line = numberedLine(5000);
    std::vector<std::string> lines = splitInPieces(line + "\n" + line, 1000);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& kept : lines) EXPECT_EQ(kept, line.substr(0, kVersion3LineBytesUsed));
}

TEST(Version3File, HeaderFileIsRewrittenWithCrLfAndTheVersion3FileDeleted) {
    TempFolder folder;
    std::string line1 = numberedLine(846), line2 = numberedLine(500);
    fixture::writeFile(folder.path(), "bvo_den1.bv3", line1 + "\n" + line2 + "\r");
    fixture::writeFile(folder.path(), "bvo_den1.bv2", "older file");

    convertVersion3File(folder.path() / "bvo_den1.bv3");

    EXPECT_FALSE(fs::exists(folder.path() / "bvo_den1.bv3"));
    EXPECT_EQ(readFile(folder.path() / "bvo_den1.bv2"), convertVersion3Line(line1, Version3Kind::Header) + "\r\n" +
                                                            convertVersion3Line(line2, Version3Kind::Header) + "\r\n");
}

TEST(Version3File, RunnerFileUsesTheRunnerRanges) {
    TempFolder folder;
    std::string line = numberedLine(876);
    fixture::writeFile(folder.path(), "bvo_den2.bv3", line + "\r\n");
    convertVersion3File(folder.path() / "bvo_den2.bv3");
    EXPECT_EQ(readFile(folder.path() / "bvo_den2.bv2"), convertVersion3Line(line, Version3Kind::Runner) + "\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "bvo_den2.bv3"));
}

TEST(Version3File, EmptyLinesAtTheEndAreNotWritten) {
    TempFolder folder;
    std::string line = numberedLine(876);
    fixture::writeFile(folder.path(), "bvo_den2.bv3", "\n" + line + "\r\n\r\n\n\r");
    convertVersion3File(folder.path() / "bvo_den2.bv3");
    EXPECT_EQ(readFile(folder.path() / "bvo_den2.bv2"),
              "\r\n" + convertVersion3Line(line, Version3Kind::Runner) + "\r\n");
}

TEST(Version3File, RefusesWhatItCannotConvertWithoutWritingAnything) {
    enum class Made { Nothing, OneLine, FortyLines, Pipe };
    struct Case {
        const char* name;
        Made made;
        ErrorKind kind;
    } cases[] = {
        {"bvo_uma.bv3", Made::OneLine, ErrorKind::Format},
        {"BVO_DEN1.BV3", Made::OneLine, ErrorKind::Format},
        {"bvo_den1.bv3", Made::Nothing, ErrorKind::Io},
        {"bvo_den1.bv3", Made::FortyLines, ErrorKind::Capacity},  // a day holds at most 39 races
        {"bvo_den2.bv3", Made::Pipe, ErrorKind::Io},              // refused at once, never waited on
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string lines;
        switch (c.made) {
            case Made::Nothing: break;
            case Made::OneLine: fixture::writeFile(folder.path(), c.name, "line\r\n"); break;
            case Made::FortyLines:
                for (int i = 0; i < 40; ++i) lines += "line\r\n";
                fixture::writeFile(folder.path(), c.name, lines);
                break;
            case Made::Pipe: ASSERT_EQ(::mkfifo((folder.path() / c.name).c_str(), 0600), 0); break;
        }
        auto before = fixture::snapshot(folder.path());
        try {
            convertVersion3File(folder.path() / c.name);
            ADD_FAILURE() << c.name << " was converted";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.name;
        }
        EXPECT_EQ(fixture::snapshot(folder.path()), before) << c.name;
    }
}

}  // namespace
}  // namespace zv::archive
