// CRC-16/ARC (reflected polynomial 0xA001, initial value 0), the checksum LHA archives keep of
// every member's uncompressed data. Eight bytes at a time through eight tables ("slicing by 8"):
// table k gives the effect of a byte followed by k zero bytes. crc16Bitwise is the definition,
// bit by bit: the reference the tables are tested against.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zv::archive {

constexpr uint16_t crc16Bitwise(std::string_view bytes, uint16_t crc = 0) {
    unsigned value = crc;
    for (unsigned char b : bytes) {
        value ^= b;
        for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xA001 : value >> 1;
    }
    return static_cast<uint16_t>(value);
}

inline constexpr std::array<std::array<uint16_t, 256>, 8> kCrc16Tables = [] {
    std::array<std::array<uint16_t, 256>, 8> tables{};
    for (unsigned i = 0; i < 256; ++i) {
        const char byte = static_cast<char>(i);
        tables[0][i] = crc16Bitwise(std::string_view(&byte, 1));
    }
    for (size_t k = 1; k < 8; ++k) {
        for (unsigned i = 0; i < 256; ++i) {
            uint16_t previous = tables[k - 1][i];
            tables[k][i] = static_cast<uint16_t>((previous >> 8) ^ tables[0][previous & 0xFF]);
        }
    }
    return tables;
}();

class Crc16 {
public:
    void update(const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        const auto& t = kCrc16Tables;
        uint32_t crc = value_;
        for (; size >= 8; size -= 8, p += 8) {
            crc ^= p[0] | (p[1] << 8);
            crc = t[7][crc & 0xFF] ^ t[6][crc >> 8] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^
                  t[0][p[7]];
        }
        for (; size > 0; --size, ++p) crc = (crc >> 8) ^ t[0][(crc ^ *p) & 0xFF];
        value_ = static_cast<uint16_t>(crc);
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
