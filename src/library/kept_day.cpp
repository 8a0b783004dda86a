#include "kept_day.h"

#include <zstd.h>

#include <array>
#include <cstring>
#include <fstream>
#include <memory>

#include "data/error.h"
#include "data/line_cutter.h"
#include "data/regular_file.h"

namespace zv::library {
namespace {

constexpr std::string_view kFormatLine = "zelvora kept day 1\n";
// Fast enough to cost a few milliseconds a day, and smaller than the archives it replaces.
constexpr int kCompressionLevel = 3;
constexpr size_t kLengthBytes = 8;
constexpr uintmax_t kMostKeptBytes = 3 * kMaxRecordFileBytes;

Error damaged(const std::filesystem::path& file, std::string_view why) {
    return Error(ErrorKind::Format,
                 "保存した開催日のファイルが壊れています: " + pathText(file) + " (" + std::string(why) + ")");
}

void appendLength(std::string& out, uint64_t length) {
    for (size_t i = 0; i < kLengthBytes; ++i) out += static_cast<char>((length >> (8 * i)) & 0xFF);
}

uint64_t lengthAt(const char* bytes) {
    uint64_t length = 0;
    for (size_t i = 0; i < kLengthBytes; ++i) length |= uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return length;
}

std::string recordBytes(const RaceDataStore& store) {
    const std::array<const RecordLines*, 3> files = {&store.headerLines, &store.runnerLines, &store.horseLines};
    size_t total = 0;
    for (const RecordLines* lines : files) {
        total += kLengthBytes;
        for (std::string_view line : *lines) total += line.size() + 2;
    }
    std::string out;
    out.reserve(total);
    for (const RecordLines* lines : files) {
        size_t length = 0;
        for (std::string_view line : *lines) length += line.size() + 2;
        appendLength(out, length);
        for (std::string_view line : *lines) out.append(line).append("\r\n");
    }
    return out;
}

std::string readWhole(const std::filesystem::path& file) {
    const RegularFile opened(file, kMostKeptBytes);
    std::string bytes(opened.size(), '\0');
    std::ifstream in(file, std::ios::binary);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(file));
    return bytes;
}

}  // namespace

std::string keptDayBytes(const RaceDataStore& store) {
    const std::string records = recordBytes(store);
    std::string out(kFormatLine);
    out.resize(kFormatLine.size() + ZSTD_compressBound(records.size()));
    std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, kCompressionLevel);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    const size_t packed = ZSTD_compress2(context.get(), out.data() + kFormatLine.size(),
                                         out.size() - kFormatLine.size(), records.data(), records.size());
    if (ZSTD_isError(packed))
        throw Error(ErrorKind::Io, std::string("開催日を圧縮できません: ") + ZSTD_getErrorName(packed));
    out.resize(kFormatLine.size() + packed);
    return out;
}

RaceDataStore readKeptDay(const std::filesystem::path& file) {
    const std::string bytes = readWhole(file);
    if (!std::string_view(bytes).starts_with(kFormatLine)) throw damaged(file, "形式が違います");
    const char* frame = bytes.data() + kFormatLine.size();
    const size_t frameSize = bytes.size() - kFormatLine.size();
    const unsigned long long size = ZSTD_getFrameContentSize(frame, frameSize);
    if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN || size > kMostKeptBytes)
        throw damaged(file, "圧縮の見出しが読めません");
    std::shared_ptr<char[]> content = std::make_shared_for_overwrite<char[]>(size + 1);
    const size_t unpacked = ZSTD_decompress(content.get(), size, frame, frameSize);
    if (ZSTD_isError(unpacked) || unpacked != size) throw damaged(file, "展開できません");

    std::array<RecordLines, 3> files;
    size_t at = 0;
    for (RecordLines& lines : files) {
        if (size - at < kLengthBytes) throw damaged(file, "長さが合いません");
        const uint64_t length = lengthAt(content.get() + at);
        at += kLengthBytes;
        if (length > size - at) throw damaged(file, "長さが合いません");
        lines = RecordLines(content, splitLines(std::string_view(content.get() + at, length)));
        at += length;
    }
    if (at != size) throw damaged(file, "長さが合いません");
    return assembleDataSet(std::move(files[0]), std::move(files[1]), std::move(files[2]), pathText(file));
}

}  // namespace zv::library
