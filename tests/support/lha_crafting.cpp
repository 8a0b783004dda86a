#include "support/lha_crafting.h"

#include "data/archive/crc16.h"

namespace zv::fixture {
namespace {

void putLe16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void putLe32(std::string& out, uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

}  // namespace

std::string craftMember(const CraftedMember& m) {
    std::string extended;  // level 1: extended headers, counted in the packed size
    if (m.level == 1 && m.unixMode) {
        extended += '\x50';
        putLe16(extended, *m.unixMode);
        putLe16(extended, 0);  // no further extended header
    }
    std::string header;
    header += '\0';  // header size, set below
    header += '\0';  // checksum, set below
    header += m.method.substr(0, 5);
    putLe32(header, static_cast<uint32_t>(m.data.size() + extended.size()));
    putLe32(header, m.declaredLength.value_or(static_cast<uint32_t>(m.data.size())));
    putLe32(header, 0x5D8A26DC);  // an MS-DOS time stamp
    header += static_cast<char>(0x20);
    header += static_cast<char>(m.level);
    header += static_cast<char>(m.name.size());
    header += m.name;
    putLe16(header, archive::Crc16::of(m.data));
    if (m.level == 1) {
        header += m.unixMode ? 'U' : 'M';  // OS id
        putLe16(header, static_cast<uint32_t>(extended.empty() ? 0 : extended.size()));
    }
    header[0] = static_cast<char>(header.size() - 2);
    unsigned sum = 0;
    for (size_t i = 2; i < header.size(); ++i) sum += static_cast<unsigned char>(header[i]);
    header[1] = static_cast<char>(sum & 0xFF);
    return header + extended + m.data;
}

CraftedMember symbolicLink(const std::string& name, const std::string& target) {
    return CraftedMember(name + "|" + target, "", "-lhd-", 1, std::nullopt, 0120777);
}

std::string craftArchive(const std::vector<CraftedMember>& members) {
    std::string out;
    for (const CraftedMember& m : members) out += craftMember(m);
    return out + '\0';
}

}  // namespace zv::fixture
