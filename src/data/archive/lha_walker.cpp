#include "lha_walker.h"

#include <lha_reader.h>

#include <cstdio>
#include <cstring>
#include <span>

#include "member_name.h"

namespace zv::archive {
namespace {

constexpr size_t kFileBufferSize = 1 << 16;

}  // namespace

struct LhaWalker::Impl {
    FILE* file = nullptr;
    uint64_t fileSize = 0;
    int lastByte = -1;
    uint64_t consumed = 0;  // bytes handed to the library so far
    bool readFailed = false;
    LHAInputStream* stream = nullptr;
    LHAReader* reader = nullptr;
    uint64_t nextHeaderAt = 0;  // where the next header must start
    bool finished = false;
    bool clean = false;
    ArchiveMember member;
    std::unique_ptr<char[]> fileBuffer;

    static int readCallback(void* handle, void* buffer, size_t size) {
        auto* self = static_cast<Impl*>(handle);
        size_t n = std::fread(buffer, 1, size, self->file);
        self->consumed += n;
        if (n < size && std::ferror(self->file)) {
            self->readFailed = true;
            return -1;
        }
        return static_cast<int>(n);
    }

    static int skipCallback(void* handle, size_t size) {
        auto* self = static_cast<Impl*>(handle);
        if (self->consumed + size > self->fileSize) return 0;
        if (std::fseek(self->file, static_cast<long>(size), SEEK_CUR) != 0) {
            self->readFailed = true;
            return 0;
        }
        self->consumed += size;
        return 1;
    }

    static void closeCallback(void*) {}

    static constexpr LHAInputStreamType kStreamType{readCallback, skipCallback, closeCallback};

    void finish(bool cleanEnd) {
        finished = true;
        clean = cleanEnd && !readFailed;
    }
};

LhaWalker::LhaWalker(const std::filesystem::path& archive) : impl_(std::make_unique<Impl>()) {
    Impl& d = *impl_;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(archive, ec)) return;
    d.file = std::fopen(archive.c_str(), "rbe");
    if (!d.file) return;
    d.fileBuffer = std::make_unique<char[]>(kFileBufferSize);
    std::setvbuf(d.file, d.fileBuffer.get(), _IOFBF, kFileBufferSize);
    if (std::fseek(d.file, 0, SEEK_END) == 0) {
        long size = std::ftell(d.file);
        d.fileSize = size > 0 ? static_cast<uint64_t>(size) : 0;
        if (d.fileSize > 0 && std::fseek(d.file, -1, SEEK_END) == 0) d.lastByte = std::fgetc(d.file);
    }
    std::rewind(d.file);
    d.stream = lha_input_stream_new(&Impl::kStreamType, &d);
    if (d.stream) d.reader = lha_reader_new(d.stream);
    if (d.reader) lha_reader_set_dir_policy(d.reader, LHA_READER_DIR_PLAIN);
}

LhaWalker::~LhaWalker() {
    if (impl_->reader) lha_reader_free(impl_->reader);
    if (impl_->stream) lha_input_stream_free(impl_->stream);
    if (impl_->file) std::fclose(impl_->file);
}

bool LhaWalker::opened() const { return impl_->reader != nullptr; }

const ArchiveMember* LhaWalker::next() {
    Impl& d = *impl_;
    if (!d.reader || d.finished) return nullptr;
    LHAFileHeader* header = lha_reader_next_file(d.reader);
    while (header && lha_reader_current_is_fake(d.reader)) header = lha_reader_next_file(d.reader);
    if (!header) {
        bool atEnd =
            d.fileSize > 0 && (d.nextHeaderAt == d.fileSize || (d.nextHeaderAt + 1 == d.fileSize && d.lastByte == 0));
        d.finish(atEnd);
        return nullptr;
    }
    uint64_t headerEnd = d.consumed;
    if (header->raw_data_len > headerEnd || headerEnd - header->raw_data_len != d.nextHeaderAt ||
        header->compressed_length > d.fileSize - headerEnd) {
        d.finish(false);
        return nullptr;
    }
    d.nextHeaderAt = headerEnd + header->compressed_length;

    ArchiveMember& m = d.member;
    m.rawName = rawMemberName(std::span<const uint8_t>(header->raw_data, header->raw_data_len), header->header_level);
    m.fileName = safeFileName(m.rawName);
    m.method.assign(header->compress_method, strnlen(header->compress_method, sizeof header->compress_method));
    m.length = header->length;
    m.crc = header->crc;
    m.isFile = m.method != LHA_COMPRESS_TYPE_DIR && header->symlink_target == nullptr;
    m.methodKnown = lha_decoder_for_name(header->compress_method) != nullptr;
    return &m;
}

size_t LhaWalker::read(void* buffer, size_t size) {
    if (!impl_->reader || impl_->finished) return 0;
    return lha_reader_read(impl_->reader, buffer, size);
}

bool LhaWalker::intact() const { return impl_->finished && impl_->clean; }

}  // namespace zv::archive
