// Member names of an LHA archive, read from the header's own bytes. The LHA library lowercases
// names it takes for MS-DOS ones and cuts level-0/1 names at every 0x5C byte (the second byte of
// many Shift_JIS characters), so exact names come from the raw header: levels 0 and 1 keep the
// name at byte 22 (its length at byte 21), optionally replaced by a 0x01 extended header; level 2
// keeps it in a 0x01 extended header only.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zv::archive {

// The stored name bytes (CP932, any folders as stored), or empty when the header holds none.
std::string rawMemberName(std::span<const uint8_t> header, int level);

// The name a member is written under: the last component of the stored name, where "/" and a
// "\" that is not the second byte of a double-byte character separate folders. Empty when the
// member must not be written: an empty name, ".", "..", or a name holding a NUL byte.
std::string safeFileName(std::string_view rawName);

// Whether a member of this file name would replace a file that the user or the program keeps
// beside the record files: zv.csv, kakin.log, settei.txt, an INI file (the program's settings),
// or a hidden file (the program's lock and temporaries). Such members are not unpacked. Letter
// case does not matter.
bool replacesKeptFile(std::string_view fileName);

}  // namespace zv::archive
