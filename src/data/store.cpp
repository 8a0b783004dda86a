#include "store.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "convert.h"
#include "error.h"
#include "line_cutter.h"
#include "record_codec.h"
#include "records.h"
#include "regular_file.h"

namespace zv {
namespace {

Error ioError(const char* what, const std::filesystem::path& path, int err) {
    return Error(ErrorKind::Io, what + pathText(path) + " (" + errnoText(err) + ")");
}

// True when path exists; false when it does not. Any other failure to look is an I/O error.
bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::file_status st = std::filesystem::status(path, ec);
    if (st.type() == std::filesystem::file_type::not_found) return false;
    if (ec) throw ioError("ファイルを確認できません: ", path, ec.value());
    return true;
}

// A buffer for a whole file. Filling fresh memory page by page costs a page fault per 4 KB, more
// than the reading itself for a day's horse file: when the buffer's pages are not there yet
// (as in a fresh process), they are asked for in one go. Systems without that call fault them
// in as before.
std::shared_ptr<char[]> fileBuffer(size_t size) {
    std::shared_ptr<char[]> bytes = std::make_shared_for_overwrite<char[]>(size);
    const uintptr_t page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t begin = reinterpret_cast<uintptr_t>(bytes.get()) & ~(page - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(bytes.get()) + size;
    unsigned char resident = 0;
    void* middle = reinterpret_cast<void*>((begin + (end - begin) / 2) & ~(page - 1));
    if (::mincore(middle, 1, &resident) == 0 && !(resident & 1)) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    }
    return bytes;
}

// A record file is read in pieces of this size, and each piece is cut into lines right after
// reading, while it is still in the processor's cache.
constexpr size_t kReadPiece = 128u << 10;

// The bytes of a record file mapped from the page cache: nothing copied, no fresh memory.
std::shared_ptr<const char[]> mappedFile(int fd, size_t size, const std::filesystem::path& path) {
    if (size == 0) return std::shared_ptr<const char[]>(new char[1]);
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (p == MAP_FAILED) throw ioError("ファイルを読み込めません: ", path, errno);
    return std::shared_ptr<const char[]>(static_cast<const char*>(p),
                                         [size](const char* bytes) { ::munmap(const_cast<char*>(bytes), size); });
}

// The record lines of one file, as views into one buffer holding the whole file. Empty lines at
// its very end are dropped; a file with more records than capacity is refused.
RecordLines readRecordLines(const std::filesystem::path& folder, const char* name, size_t capacity, FileAccess access) {
    const std::filesystem::path path = folder / name;
    const RegularFile file(path, kMaxRecordFileBytes);
    const int fd = file.fd();
    const size_t fileSize = file.size();

    std::vector<std::string_view> lines;
    lines.reserve(capacity);
    size_t pendingEmpty = 0;
    auto take = [&](std::string_view line) {
        if (line.empty()) {
            ++pendingEmpty;
            return;
        }
        if (lines.size() + pendingEmpty >= capacity) {
            throw Error(ErrorKind::Capacity, "データが多すぎます: " + std::string(name) + " の行数が上限 " +
                                                 std::to_string(capacity) + " を超えています");
        }
        lines.resize(lines.size() + pendingEmpty);
        pendingEmpty = 0;
        lines.push_back(line);
    };

    if (access == FileAccess::Map) {
        std::shared_ptr<const char[]> bytes = mappedFile(fd, fileSize, path);
        LineCutter(bytes.get()).finish(fileSize, take);
        return RecordLines(std::move(bytes), std::move(lines));
    }
    // One byte more than the size: a file that grew since fstat fills the buffer and is refused.
    const size_t bufferSize = fileSize + 1;
    std::shared_ptr<char[]> bytes = fileBuffer(bufferSize);
    LineCutter cutter(bytes.get());
    size_t filled = 0;
    for (;;) {
        if (filled == bufferSize) throw ioError("ファイルを読み込めません: ", path, EAGAIN);
        ssize_t got = ::read(fd, bytes.get() + filled, std::min(kReadPiece, bufferSize - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw ioError("ファイルを読み込めません: ", path, errno);
        if (got == 0) break;
        filled += static_cast<size_t>(got);
        cutter.cut(filled, take);
    }
    cutter.finish(filled, take);
    return RecordLines(std::move(bytes), std::move(lines));
}

// Runner count of header i, read strictly: a number from 0 to the most runners a race may have.
int checkedRunnerCount(const RaceHeaderRecord& header, int i) {
    auto where = [i] { return std::string(kHeaderFile) + " の " + std::to_string(i + 1) + "行目: "; };
    int count = 0;
    try {
        count = strictNumber(header, header.runnerCount, header_line::runner_count.name);
    } catch (const Error& e) {
        throw Error(e.kind(), where() + e.message(), e.field(), e.text());
    }
    if (count < 0 || count > kMaxRunnersPerRace) {
        throw Error(ErrorKind::Capacity, where() + "出走頭数 " + std::to_string(count) + " は 0 から " +
                                             std::to_string(kMaxRunnersPerRace) + " の範囲にありません");
    }
    return count;
}

}  // namespace

const RaceRecords& RaceDataStore::records(int r) const {
    if (r < 0 || r >= raceCount || r >= kMaxRaces) throw std::out_of_range("race " + std::to_string(r));
    return recordCache.get(r, [&] {
        const size_t first = static_cast<size_t>(firstRunner(r));
        const size_t end =
            std::min({first + static_cast<size_t>(std::max(runnerCount(r), 0)), runnerLines.size(), horseLines.size()});
        RaceRecords records;
        records.runners.reserve(end > first ? end - first : 0);
        records.horses.reserve(end > first ? end - first : 0);
        for (size_t i = first; i < end; ++i) {
            records.runners.push_back(decodeRunnerEntry(Cp932View(runnerLines[i])));
            records.horses.push_back(decodeHorseRecord(Cp932View(horseLines[i])));
        }
        return records;
    });
}

std::vector<RaceHeader> readRaceHeaders(const RecordLines& headerLines) {
    std::vector<RaceHeader> headers;
    headers.reserve(headerLines.size());
    int firstRunner = 0;
    for (size_t i = 0; i < headerLines.size(); ++i) {
        RaceHeader& header = headers.emplace_back(raceHeaderTexts(headerLines[i]));
        header.runnerCount = checkedRunnerCount(header.record, static_cast<int>(i));
        header.firstRunner = firstRunner;
        firstRunner += header.runnerCount;
    }
    return headers;
}

bool loadDataSet(RaceDataStore& store, const std::filesystem::path& folder, FileAccess access) {
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        if (!fileExists(folder / name)) return false;
    }
    store =
        assembleDataSet(readRecordLines(folder, kHeaderFile, kMaxRaces, access),
                        readRecordLines(folder, kRunnerFile, kMaxRunnerLines, access),
                        readRecordLines(folder, kHorseFile, kMaxHorseLines, access), pathText(folder / kHeaderFile));
    return true;
}

RaceDataStore assembleDataSet(RecordLines headerLines, RecordLines runnerLines, RecordLines horseLines,
                              const std::string& headerOrigin) {
    const std::pair<const RecordLines*, size_t> capacities[] = {
        {&headerLines, kMaxRaces}, {&runnerLines, kMaxRunnerLines}, {&horseLines, kMaxHorseLines}};
    for (const auto& [lines, capacity] : capacities) {
        if (lines->size() > capacity) {
            throw Error(ErrorKind::Capacity,
                        "データが多すぎます: 行数が上限 " + std::to_string(capacity) + " を超えています");
        }
    }
    RaceDataStore fresh;
    fresh.headerLines = std::move(headerLines);
    fresh.runnerLines = std::move(runnerLines);
    fresh.horseLines = std::move(horseLines);
    fresh.raceCount = static_cast<int>(fresh.headerLines.size());
    if (fresh.raceCount == 0) {
        throw Error(ErrorKind::Format,
                    "データにレースが含まれていません (" + headerOrigin + " にレースの行がありません)");
    }

    fresh.headers = readRaceHeaders(fresh.headerLines);
    size_t expected = 0;
    for (const RaceHeader& header : fresh.headers) expected += static_cast<size_t>(header.runnerCount);
    // One wrong count would pair every later runner with another horse: refuse the set instead.
    if (fresh.runnerLines.size() != expected || fresh.horseLines.size() != expected) {
        throw Error(ErrorKind::Format, "データの整合性がありません: 出走頭数の合計 " + std::to_string(expected) +
                                           "、出走馬データ " + std::to_string(fresh.runnerLines.size()) +
                                           "行、馬データ " + std::to_string(fresh.horseLines.size()) + "行");
    }
    return fresh;
}

}  // namespace zv
