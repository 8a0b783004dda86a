#include "version3.h"

#include <fstream>
#include <iterator>

#include "data/error.h"
#include "data/field.h"
#include "data/sjis.h"
#include "data/text_file.h"

namespace zv::archive {
namespace {

struct ByteRange {
    int first;  // 1-based, inclusive
    int last;
};

constexpr ByteRange kHeaderRanges[] = {{1, 73}, {75, 350}, {419, 426}, {74, 74}, {428, 846}};
constexpr ByteRange kRunnerRanges[] = {{1, 255}, {257, 694}, {728, 742}, {844, 855}, {856, 876}};

std::string pathText(const std::filesystem::path& p) { return fromUtf8(p.string()); }

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(ErrorKind::Io, sj("ファイルを開けません: ") + pathText(path));
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Error(ErrorKind::Io, sj("ファイルを読み込めません: ") + pathText(path));
    return content;
}

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

std::vector<std::string> splitVersion3Lines(std::string_view content) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(content.substr(pos));
            break;
        }
        lines.emplace_back(content.substr(pos, end - pos));
        pos = end + (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

void convertVersion3File(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    Version3Kind kind;
    if (name == "bvo_den1.bv3") {
        kind = Version3Kind::Header;
    } else if (name == "bvo_den2.bv3") {
        kind = Version3Kind::Runner;
    } else {
        throw Error(ErrorKind::Format, sj("変換できないファイルです: ") + pathText(path));
    }
    std::vector<std::string> lines = splitVersion3Lines(readWholeFile(path));
    for (std::string& line : lines) line = convertVersion3Line(line, kind);
    std::filesystem::path target = path;
    target.replace_extension(".bv2");
    writeFileReplacing(target, joinCrLf(lines));
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec) {
        throw Error(ErrorKind::Io, sj("ファイルを削除できません: ") + pathText(path));
    }
}

}  // namespace zv::archive
