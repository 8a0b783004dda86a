#include "store.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <memory>
#include <system_error>

#include "convert.h"
#include "error.h"
#include "records.h"
#include "sjis.h"
#include "titles.h"

namespace zv {
namespace {

// A full day's horse file is about 4 MB; anything far beyond is not a data set and is not read
// into memory.
constexpr uintmax_t kMaxFileBytes = 64u << 20;

constexpr char kCtrlZ = '\x1A';

// Position of the first LF, CR or Ctrl+Z in text at or after from, or text.size(). One pass over
// the bytes, sixteen at a time where the processor allows: loading a day is mostly this scan.
size_t findLineBreak(std::string_view text, size_t from) {
    const char* data = text.data();
    const size_t size = text.size();
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), eof = _mm_set1_epi8(kCtrlZ);
    auto hits = [&](size_t at) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)),
                            _mm_cmpeq_epi8(bytes, eof));
    };
    // Record lines are long and breaks rare: test 64 bytes at once, then find the byte.
    for (; from + 64 <= size; from += 64) {
        __m128i any = _mm_or_si128(_mm_or_si128(hits(from), hits(from + 16)), _mm_or_si128(hits(from + 32), hits(from + 48)));
        if (_mm_movemask_epi8(any)) break;
    }
    for (; from + 16 <= size; from += 16) {
        if (int mask = _mm_movemask_epi8(hits(from))) return from + static_cast<size_t>(__builtin_ctz(mask));
    }
#endif
    while (from < size && data[from] != '\n' && data[from] != '\r' && data[from] != kCtrlZ) ++from;
    return from;
}

std::string pathText(const std::filesystem::path& p) { return fromUtf8(p.string()); }

Error ioError(const char* what, const std::filesystem::path& path, int err) {
    return Error(ErrorKind::Io, sj(what) + pathText(path) + " (" + fromUtf8(std::strerror(err)) + ")");
}

// True when path exists; false when it does not. Any other failure to look is an I/O error.
bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::file_status st = std::filesystem::status(path, ec);
    if (st.type() == std::filesystem::file_type::not_found) return false;
    if (ec) throw ioError("ファイルを確認できません: ", path, ec.value());
    return true;
}

// A record file's bytes, mapped read-only for the time of one load. Mapping spares the copy a
// read() makes; the data files are replaced by rename, never rewritten in place, so a mapped file
// does not shrink under the loader.
class FileBytes {
public:
    explicit FileBytes(const std::filesystem::path& path);
    ~FileBytes() {
        if (data_) ::munmap(data_, size_);
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    std::string_view view() const { return {static_cast<const char*>(data_), size_}; }

private:
    void* data_ = nullptr;
    size_t size_ = 0;
};

FileBytes::FileBytes(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw ioError("ファイルを開けません: ", path, errno);
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : !S_ISREG(st.st_mode) ? EISDIR : 0;
    if (!err && static_cast<uintmax_t>(st.st_size) > kMaxFileBytes) {
        ::close(fd);
        throw Error(ErrorKind::Capacity, sj("ファイルが大きすぎます: ") + pathText(path));
    }
    if (!err && st.st_size > 0) {
        size_ = static_cast<size_t>(st.st_size);
        void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (p == MAP_FAILED) err = errno;
        else data_ = p;
    }
    ::close(fd);
    if (err) throw ioError("ファイルを読み込めません: ", path, err);
}

// The record lines of one file. Empty lines at its very end are dropped; a file with more
// records than capacity is refused before the excess is kept anywhere.
std::vector<std::string> readRecordLines(const std::filesystem::path& folder, const char* name, size_t capacity) {
    FileBytes content(folder / name);
    std::vector<std::string> lines;
    size_t pendingEmpty = 0;
    LineReader reader(content.view());
    while (auto line = reader.next()) {
        if (line->empty()) {
            ++pendingEmpty;
            continue;
        }
        if (lines.size() + pendingEmpty >= capacity) {
            throw Error(ErrorKind::Capacity, sj("データが多すぎます: ") + name + sj(" の行数が上限 ") +
                                                 std::to_string(capacity) + sj(" を超えています"));
        }
        lines.resize(lines.size() + pendingEmpty);
        pendingEmpty = 0;
        lines.emplace_back(*line);
    }
    return lines;
}

// Runner count of header line i, checked: a number from 0 to the most runners a race may have.
int checkedRunnerCount(const RaceDataStore& store, int i) {
    std::string where = std::string(kDen1File) + sj(" の ") + std::to_string(i + 1) + sj("行目: ");
    int count = 0;
    try {
        count = store.runnerCount(i);
    } catch (const Error& e) {
        throw Error(e.kind(), where + e.message(), e.field(), e.text());
    }
    if (count < 0 || count > kMaxRunnersPerRace) {
        throw Error(ErrorKind::Capacity, where + sj("出走頭数 ") + std::to_string(count) + sj(" は 0 から ") +
                                             std::to_string(kMaxRunnersPerRace) + sj(" の範囲にありません"));
    }
    return count;
}

}  // namespace

LineReader::LineReader(std::string_view content) : rest_(content) {}

std::optional<std::string_view> LineReader::next() {
    size_t end = findLineBreak(rest_, 0);
    if (end == 0 && !rest_.empty() && rest_[0] == kCtrlZ) rest_ = {};
    if (rest_.empty()) return std::nullopt;
    std::string_view line = rest_.substr(0, end);
    // After the line's end, reading goes on after the next LF; a Ctrl+Z before it ends the input.
    size_t at = end;
    while (at < rest_.size() && rest_[at] == '\r') at = findLineBreak(rest_, at + 1);
    rest_ = at < rest_.size() && rest_[at] == '\n' ? rest_.substr(at + 1) : std::string_view();
    return line;
}

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    LineReader reader(content);
    while (auto line = reader.next()) lines.emplace_back(*line);
    return lines;
}

int RaceDataStore::runnerCount(int r) const { return strictInt(runnerCountText.at(r), den1::runner_count.name); }

int RaceDataStore::firstRunner(int r) const {
    int first = 0;
    for (int i = 0; i < r; ++i) first += runnerCount(i);
    return first;
}

bool loadDataSet(RaceDataStore& store, const std::filesystem::path& folder) {
    for (const char* name : {kDen1File, kDen2File, kUmaFile}) {
        if (!fileExists(folder / name)) return false;
    }
    RaceDataStore fresh;
    fresh.den1Lines = readRecordLines(folder, kDen1File, kMaxRaces);
    fresh.den2Lines = readRecordLines(folder, kDen2File, kMaxRunnerLines);
    fresh.umaLines = readRecordLines(folder, kUmaFile, kMaxHorseLines);
    fresh.raceCount = static_cast<int>(fresh.den1Lines.size());

    for (auto* texts : {&fresh.raceDateText, &fresh.runnerCountText, &fresh.titleLine1, &fresh.titleLine2,
                        &fresh.menuTitle, &fresh.gradeText, &fresh.raceNumberText, &fresh.distanceText,
                        &fresh.courseText, &fresh.jpnFlag}) {
        texts->resize(fresh.raceCount);
    }
    size_t expected = 0;
    for (int i = 0; i < fresh.raceCount; ++i) {
        const std::string& line = fresh.den1Lines[i];
        fresh.runnerCountText[i] = std::string(field(line, den1::runner_count));
        expected += static_cast<size_t>(checkedRunnerCount(fresh, i));
        BuildRaceTitles(fresh, line, i);
    }
    // One wrong count would pair every later runner with another horse: refuse the set instead.
    if (fresh.den2Lines.size() != expected || fresh.umaLines.size() != expected) {
        throw Error(ErrorKind::Format, sj("データの整合性がありません: 出走頭数の合計 ") + std::to_string(expected) +
                                           sj("、出走馬データ ") + std::to_string(fresh.den2Lines.size()) +
                                           sj("行、馬データ ") + std::to_string(fresh.umaLines.size()) + sj("行"));
    }
    store = std::move(fresh);
    return true;
}

}  // namespace zv
