#include "line_cutter.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace zv {
namespace {

#if defined(__x86_64__)
// Blocks of 64 bytes are first tested for any byte up to Ctrl+Z: records hardly hold such bytes
// apart from the line breaks, and the test takes two operations per vector.

// Start of the first 64-byte block at or after from holding a byte up to Ctrl+Z, or the start
// of the bytes too few for a block.
__attribute__((target("avx2"))) size_t skipPlainBlocksAvx2(const char* data, size_t from, size_t size) {
    const __m256i low = _mm256_set1_epi8(kCtrlZ);
    auto lowBytes = [ low, data ](size_t at) __attribute__((target("avx2"))) {
        __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + at));
        return _mm256_cmpeq_epi8(_mm256_min_epu8(bytes, low), bytes);
    };
    for (; from + 64 <= size; from += 64) {
        if (_mm256_movemask_epi8(_mm256_or_si256(lowBytes(from), lowBytes(from + 32)))) break;
    }
    return from;
}

size_t skipPlainBlocksSse2(const char* data, size_t from, size_t size) {
    const __m128i low = _mm_set1_epi8(kCtrlZ);
    auto lowBytes = [&](size_t at) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        return _mm_cmpeq_epi8(_mm_min_epu8(bytes, low), bytes);
    };
    for (; from + 64 <= size; from += 64) {
        __m128i any = _mm_or_si128(_mm_or_si128(lowBytes(from), lowBytes(from + 16)),
                                   _mm_or_si128(lowBytes(from + 32), lowBytes(from + 48)));
        if (_mm_movemask_epi8(any)) break;
    }
    return from;
}

// Position of the first LF, CR or Ctrl+Z among the 16 bytes at at, or 16.
unsigned breakInSixteen(const char* data, size_t at) {
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), eof = _mm_set1_epi8(kCtrlZ);
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
    __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)), _mm_cmpeq_epi8(bytes, eof));
    int mask = _mm_movemask_epi8(hits);
    return mask ? static_cast<unsigned>(__builtin_ctz(mask)) : 16u;
}
#endif

}  // namespace

// Loading a day is mostly this scan, so it goes by vectors where the processor has them.
size_t findLineBreak(std::string_view text, size_t from) {
    const char* data = text.data();
    const size_t size = text.size();
#if defined(__x86_64__)
    static const auto skipPlainBlocks = __builtin_cpu_supports("avx2") ? skipPlainBlocksAvx2 : skipPlainBlocksSse2;
    for (;;) {
        from = skipPlainBlocks(data, from, size);
        if (from + 64 > size) break;
        for (size_t end = from + 64; from < end; from += 16) {
            if (unsigned at = breakInSixteen(data, from); at < 16) return from + at;
        }
    }
    for (; from + 16 <= size; from += 16) {
        if (unsigned at = breakInSixteen(data, from); at < 16) return from + at;
    }
#endif
    while (from < size && data[from] != '\n' && data[from] != '\r' && data[from] != kCtrlZ) ++from;
    return from;
}

std::vector<std::string_view> splitLines(std::string_view content, LineEnds ends) {
    std::vector<std::string_view> lines;
    if (ends == LineEnds::RecordFile) {
        LineCutter(content.data()).finish(content.size(), [&](std::string_view line) { lines.push_back(line); });
        return lines;
    }
    size_t i = 0;
    while (i < content.size()) {
        size_t end = content.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = content.size();
        lines.push_back(content.substr(i, end - i));
        if (content.substr(end).starts_with("\r\n")) ++end;
        i = end + 1;
    }
    return lines;
}

}  // namespace zv
