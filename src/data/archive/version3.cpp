#include "version3.h"

#include <unistd.h>

#include <cerrno>

#include "data/error.h"
#include "data/field.h"
#include "data/regular_file.h"
#include "data/store.h"
#include "data/text_file.h"

namespace zv::archive {
namespace {

struct ByteRange {
    int first;  // 1-based, inclusive
    int last;
};

constexpr ByteRange kHeaderRanges[] = {{1, 73}, {75, 350}, {419, 426}, {74, 74}, {428, 846}};
constexpr ByteRange kRunnerRanges[] = {{1, 255}, {257, 694}, {728, 742}, {844, 855}, {856, 876}};

constexpr size_t kReadPiece = 64u << 10;

}  // namespace

std::string convertVersion3Line(std::string_view line, Version3Kind kind) {
    std::string out;
    out.reserve(kind == Version3Kind::Header ? 777 : 741);
    auto append = [&](const ByteRange& r) { out += field(line, r.first, r.last - r.first + 1); };
    if (kind == Version3Kind::Header) {
        for (const ByteRange& r : kHeaderRanges) append(r);
    } else {
        for (const ByteRange& r : kRunnerRanges) append(r);
    }
    return out;
}

void Version3LineSplitter::feed(std::string_view piece, const Take& take) {
    for (char c : piece) {
        if (c == '\n' && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if (c == '\r' || c == '\n') {
            take(line_);
            line_.clear();
            inLine_ = false;
            continue;
        }
        inLine_ = true;
        if (line_.size() < kVersion3LineBytesUsed) line_ += c;
    }
}

void Version3LineSplitter::finish(const Take& take) {
    if (inLine_) take(line_);
    line_.clear();
    inLine_ = false;
    afterCr_ = false;
}

void convertVersion3File(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    Version3Kind kind;
    size_t capacity;
    if (name == "bvo_den1.bv3") {
        kind = Version3Kind::Header;
        capacity = kMaxRaces;
    } else if (name == "bvo_den2.bv3") {
        kind = Version3Kind::Runner;
        capacity = kMaxRunnerLines;
    } else {
        throw Error(ErrorKind::Format, "変換できないファイルです: " + pathText(path));
    }
    const RegularFile file(path, kMaxRecordFileBytes);

    std::string converted;
    size_t records = 0, pendingEmpty = 0;
    const Version3LineSplitter::Take take = [&](std::string_view line) {
        if (line.empty()) {
            ++pendingEmpty;
            return;
        }
        records += pendingEmpty + 1;
        if (records > capacity) {
            throw Error(ErrorKind::Capacity, "データが多すぎます: " + std::string(name) + " の行数が上限 " +
                                                 std::to_string(capacity) + " を超えています");
        }
        for (; pendingEmpty > 0; --pendingEmpty) converted += "\r\n";
        converted += convertVersion3Line(line, kind);
        converted += "\r\n";
    };
    Version3LineSplitter splitter;
    std::string piece(kReadPiece, '\0');
    for (;;) {
        ssize_t got = ::read(file.fd(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(path));
        if (got == 0) break;
        splitter.feed(std::string_view(piece.data(), static_cast<size_t>(got)), take);
    }
    splitter.finish(take);

    std::filesystem::path target = path;
    target.replace_extension(".bv2");
    writeFileReplacing(target, converted);
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec) {
        throw Error(ErrorKind::Io, "ファイルを削除できません: " + pathText(path));
    }
}

}  // namespace zv::archive
