// LHA archives built header field by header field, for what jlha cannot make (names that climb
// out of the folder, unknown methods, broken checksums) and for the archive fuzz target, which
// writes the members it has changed back into a well-formed archive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zv::fixture {

struct CraftedMember {
    CraftedMember(std::string name, std::string data, std::string method = "-lh0-", int level = 0,
                  std::optional<uint32_t> declaredLength = std::nullopt,
                  std::optional<uint16_t> unixMode = std::nullopt)
        : name(std::move(name)),
          data(std::move(data)),
          method(std::move(method)),
          level(level),
          declaredLength(declaredLength),
          unixMode(unixMode) {}

    std::string name;  // stored name bytes, as they stand
    std::string data;  // stored as they are (the method field is not honoured)
    std::string method;
    int level;                               // 0 or 1
    std::optional<uint32_t> declaredLength;  // uncompressed size in the header; default data.size()
    std::optional<uint16_t> unixMode;        // level 1: a Unix mode extended header (0120777: a link)
};

// A level-1 symbolic link entry "name|target", as Unix LHA archivers store one.
CraftedMember symbolicLink(const std::string& name, const std::string& target);

// One level-0 or level-1 member header with its data; the header checksum and data CRC are right.
std::string craftMember(const CraftedMember& member);
// Members one after another, closed by the 0x00 end byte.
std::string craftArchive(const std::vector<CraftedMember>& members);
// Byte offset of the header checksum of the member header starting at offset.
inline constexpr size_t kHeaderChecksumOffset = 1;

}  // namespace zv::fixture
