// CRC-16/ARC (reflected polynomial 0xA001, initial value 0), the checksum LHA archives keep of
// every member's uncompressed data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zv::archive {

inline constexpr std::array<uint16_t, 256> kCrc16Table = [] {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[i] = static_cast<uint16_t>(crc);
    }
    return table;
}();

class Crc16 {
public:
    void update(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        uint16_t crc = value_;
        for (size_t i = 0; i < size; ++i) crc = static_cast<uint16_t>((crc >> 8) ^ kCrc16Table[(crc ^ bytes[i]) & 0xFF]);
        value_ = crc;
    }
    uint16_t value() const { return value_; }

    static uint16_t of(std::string_view bytes) {
        Crc16 crc;
        crc.update(bytes.data(), bytes.size());
        return crc.value();
    }

private:
    uint16_t value_ = 0;
};

}  // namespace zv::archive
