// Walks the members of an LHA archive with the LHA library (lhasa) and checks the archive's
// structure on the way. The library reads a damaged header as the normal end of the archive and
// skips leading junk, so the walker counts the bytes it hands to the library: the first header
// must start at byte 0, every header right where the member before it ended, and the last member
// must end at the end of the file (or one byte before it, at the closing 0x00 byte).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace zv::archive {

struct ArchiveMember {
    std::string rawName;       // CP932, as the header stores it
    std::string fileName;      // the name it is written under (safeFileName); empty: never written
    std::string method;        // compression method, for example "-lh5-"
    uint64_t length = 0;       // uncompressed size in bytes
    uint16_t crc = 0;          // CRC-16 of the uncompressed data
    bool isFile = false;       // false for folder and symbolic link entries
    bool methodKnown = false;  // the library can decode the method
};

class LhaWalker {
public:
    // Opens the archive. A file that cannot be opened gives a walker without members.
    explicit LhaWalker(const std::filesystem::path& archive);
    ~LhaWalker();
    LhaWalker(const LhaWalker&) = delete;
    LhaWalker& operator=(const LhaWalker&) = delete;

    bool opened() const;
    // The next member, or null at the end of the archive or at the first damaged spot. The
    // member stays valid until the next call.
    const ArchiveMember* next();
    // Decompressed data of the member next() returned last; 0 at its end.
    size_t read(void* buffer, size_t size);
    // After next() returned null: the archive ended exactly where its last member ended and the
    // file could be read throughout.
    bool intact() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zv::archive
