// Finding the next line break of record bytes: LF, CR or Ctrl+Z. Loading a day is mostly this
// scan, so it goes by vectors where the processor has them. The plain loop is the reference: the
// tests run every path this processor has against it.
#pragma once

#include <cstddef>
#include <string_view>

namespace zv {

inline constexpr char kCtrlZ = '\x1A';

enum class ScanPath { Plain, Sse2, Avx2 };

bool scanPathAvailable(ScanPath path);

// Position of the first LF, CR or Ctrl+Z in text at or after from, or text.size(), by the
// fastest path the processor has.
size_t findLineBreak(std::string_view text, size_t from);

// The same by a given path, one scanPathAvailable allows.
size_t findLineBreakBy(ScanPath path, std::string_view text, size_t from);

}  // namespace zv
