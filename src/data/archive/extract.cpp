#include "extract.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include "crc16.h"
#include "data/error.h"
#include "data/sjis.h"
#include "member_name.h"

namespace zv::archive {
namespace {

constexpr size_t kChunkSize = 1 << 18;

bool writtenMember(const ArchiveMember& m) { return m.isFile && !m.fileName.empty() && !replacesKeptFile(m.fileName); }

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Reports whole-archive progress, once per percent step.
class ProgressMeter {
public:
    ProgressMeter(const ProgressFn& progress, uint64_t total) : progress_(progress), total_(total) {}
    void advance(uint64_t bytes) {
        done_ += bytes;
        if (!progress_ || total_ == 0) return;
        int percent = static_cast<int>(std::min<uint64_t>(100, done_ * 100 / total_));
        if (percent != last_) {
            last_ = percent;
            progress_(percent);
        }
    }
    void end() {
        if (progress_) progress_(0);
    }

private:
    const ProgressFn& progress_;
    uint64_t total_;
    uint64_t done_ = 0;
    int last_ = -1;
};

// Writes the current member of walker to folder/fileName; on any failure the file is removed.
std::optional<ExtractError> extractMember(LhaWalker& walker, const ArchiveMember& m,
                                          const std::filesystem::path& folder, char* buffer, ProgressMeter& meter) {
    std::filesystem::path target = folder / toUtf8(m.fileName);
    // 0666 less the umask: the record files end up in the data folder with the mode of any new file.
    int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return ExtractError{static_cast<int>(ExtractErrorCode::WriteFailed),
                            "ファイルを書き込めません: " + toUtf8(m.fileName) + " (" + errnoText(errno) + ")"};
    }
    Crc16 crc;
    uint64_t written = 0;
    int writeErrno = 0;
    while (size_t n = walker.read(buffer, kChunkSize)) {
        crc.update(buffer, n);
        if (!writeAll(fd, buffer, n)) {
            writeErrno = errno;
            break;
        }
        written += n;
        meter.advance(n);
    }
    if (::close(fd) != 0 && writeErrno == 0) writeErrno = errno;
    std::optional<ExtractError> error;
    if (writeErrno != 0) {
        error = ExtractError{static_cast<int>(ExtractErrorCode::WriteFailed),
                             "ファイルを書き込めません: " + toUtf8(m.fileName) + " (" + errnoText(writeErrno) + ")"};
    } else if (written != m.length || crc.value() != m.crc) {
        error = ExtractError{static_cast<int>(ExtractErrorCode::DataCorrupt),
                             "データが壊れています (CRCエラー): " + toUtf8(m.fileName)};
    }
    if (error) ::unlink(target.c_str());
    return error;
}

}  // namespace

uint64_t ArchiveListing::writtenLength() const {
    uint64_t total = 0;
    for (const ArchiveMember& m : members) {
        if (writtenMember(m)) total += m.length;
    }
    return total;
}

ArchiveListing listArchive(const std::filesystem::path& archive) {
    ArchiveListing listing;
    LhaWalker walker(archive);
    listing.opened = walker.opened();
    while (const ArchiveMember* m = walker.next()) listing.members.push_back(*m);
    listing.intact = walker.intact();
    return listing;
}

std::vector<ExtractError> extractArchive(const std::filesystem::path& archive, const ArchiveListing& listing,
                                         const std::filesystem::path& folder, const ProgressFn& progress) {
    LhaWalker walker(archive);
    if (!walker.opened()) {
        return {{static_cast<int>(ExtractErrorCode::Unreadable), "書庫ファイルを読み込めません"}};
    }
    uint64_t total = listing.writtenLength();
    std::error_code ec;
    std::filesystem::space_info space = std::filesystem::space(folder, ec);
    if (!ec && total > space.available) {
        return {{static_cast<int>(ExtractErrorCode::NoSpace), "ディスクの空き容量が足りません (必要 " +
                                                                  std::to_string(total) + " バイト、空き " +
                                                                  std::to_string(space.available) + " バイト)"}};
    }

    std::vector<ExtractError> errors;
    auto buffer = std::make_unique<char[]>(kChunkSize);
    ProgressMeter meter(progress, total);
    while (const ArchiveMember* m = walker.next()) {
        if (!writtenMember(*m)) continue;
        if (!m->methodKnown) {
            errors.push_back({static_cast<int>(ExtractErrorCode::UnknownMethod),
                              "対応していない圧縮形式です: " + m->method + " (" + toUtf8(m->fileName) + ")"});
            continue;
        }
        if (auto error = extractMember(walker, *m, folder, buffer.get(), meter)) errors.push_back(*error);
    }
    if (!walker.intact()) {
        errors.push_back({static_cast<int>(ExtractErrorCode::Damaged), "書庫ファイルが壊れています"});
    }
    meter.end();
    return errors;
}

}  // namespace zv::archive
