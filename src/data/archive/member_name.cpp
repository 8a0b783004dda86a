#include "member_name.h"

#include <optional>

#include "data/ascii_case.h"

namespace zv::archive {
namespace {

constexpr uint8_t kExtFileName = 0x01;
constexpr size_t kLevel01NameLength = 21;
constexpr size_t kLevel01Name = 22;
constexpr size_t kLevel2FirstExtSize = 24;

uint16_t le16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The data of the first extended header of the given type. sizeAt is the offset of the first
// "next header size" field; each extended header is its type byte, its data and the size of the
// next one, and its own size counts all three.
std::optional<std::string> extendedHeader(std::span<const uint8_t> header, size_t sizeAt, uint8_t type) {
    while (sizeAt + 2 <= header.size()) {
        size_t size = le16(header, sizeAt);
        size_t start = sizeAt + 2;
        if (size < 3 || start + size > header.size()) return std::nullopt;
        if (header[start] == type) {
            return std::string(reinterpret_cast<const char*>(header.data()) + start + 1, size - 3);
        }
        sizeAt = start + size - 2;
    }
    return std::nullopt;
}

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

std::string rawMemberName(std::span<const uint8_t> header, int level) {
    if (level == 0 || level == 1) {
        if (header.size() <= kLevel01NameLength) return {};
        size_t length = header[kLevel01NameLength];
        if (kLevel01Name + length > header.size()) return {};
        std::string name(reinterpret_cast<const char*>(header.data()) + kLevel01Name, length);
        if (level == 1 && header[0] >= 2) {
            size_t baseSize = static_cast<size_t>(header[0]) + 2;
            if (auto extended = extendedHeader(header, baseSize - 2, kExtFileName)) return *extended;
        }
        return name;
    }
    if (level == 2) return extendedHeader(header, kLevel2FirstExtSize, kExtFileName).value_or("");
    return {};
}

std::string safeFileName(std::string_view rawName) {
    if (rawName.find('\0') != std::string_view::npos) return {};
    size_t start = 0;
    for (size_t i = 0; i < rawName.size(); ++i) {
        auto c = static_cast<unsigned char>(rawName[i]);
        if (isLeadByte(c)) {
            ++i;  // the second byte of a double-byte character is never a separator
        } else if (c == '/' || c == '\\') {
            start = i + 1;
        }
    }
    std::string name(rawName.substr(std::min(start, rawName.size())));
    if (name.empty() || name == "." || name == "..") return {};
    return name;
}

bool replacesKeptFile(std::string_view fileName) {
    std::string lower(fileName);
    for (char& c : lower) c = asciiLower(c);
    if (lower.starts_with('.') || lower.ends_with(".ini")) return true;
    for (const char* kept : {"zv.csv", "kakin.log", "settei.txt"}) {
        if (lower == kept) return true;
    }
    return false;
}

}  // namespace zv::archive
