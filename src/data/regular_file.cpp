#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "error.h"

namespace zv {
namespace {

const char* kindText(mode_t mode) {
    if (S_ISFIFO(mode)) return "名前付きパイプです";
    if (S_ISCHR(mode)) return "キャラクタデバイスです";
    if (S_ISBLK(mode)) return "ブロックデバイスです";
    if (S_ISSOCK(mode)) return "ソケットです";
    if (S_ISDIR(mode)) return "フォルダです";
    return "通常のファイルではありません";
}

}  // namespace

RegularFile::RegularFile(const std::filesystem::path& path, uintmax_t maxBytes) {
    // Non-blocking: opening a named pipe for reading would otherwise wait for a writer forever.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        throw Error(ErrorKind::Io, "ファイルを開けません: " + pathText(path) + " (" + errnoText(errno) + ")");
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        int err = errno;
        ::close(fd_);
        throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(path) + " (" + errnoText(err) + ")");
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(path) + " (" + kindText(st.st_mode) + ")");
    }
    if (static_cast<uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd_);
        throw Error(ErrorKind::Capacity, "ファイルが大きすぎます: " + pathText(path) + " (" +
                                             std::to_string(st.st_size) + " バイト、上限 " + std::to_string(maxBytes) +
                                             " バイト)");
    }
    // Reads of a regular file never wait anyway; blocking mode keeps them simple.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    size_ = static_cast<size_t>(st.st_size);
}

RegularFile::~RegularFile() { ::close(fd_); }

}  // namespace zv
