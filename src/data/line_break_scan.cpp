#include "line_break_scan.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace zv {
namespace {

size_t scanPlain(const char* data, size_t from, size_t size) {
    while (from < size && data[from] != '\n' && data[from] != '\r' && data[from] != kCtrlZ) ++from;
    return from;
}

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

#if defined(__x86_64__)
// Skips blocks without a low byte, then finds the break sixteen bytes at a time; the tail that
// fills no vector goes the plain way.
template <size_t (*skipPlainBlocks)(const char*, size_t, size_t)>
size_t scanVector(const char* data, size_t from, size_t size) {
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
    return scanPlain(data, from, size);
}
#endif

using Scan = size_t (*)(const char*, size_t, size_t);

Scan scanFor([[maybe_unused]] ScanPath path) {
#if defined(__x86_64__)
    if (path == ScanPath::Avx2) return scanVector<skipPlainBlocksAvx2>;
    if (path == ScanPath::Sse2) return scanVector<skipPlainBlocksSse2>;
#endif
    return scanPlain;
}

}  // namespace

bool scanPathAvailable(ScanPath path) {
#if defined(__x86_64__)
    // Every x86-64 processor has SSE2.
    return path != ScanPath::Avx2 || __builtin_cpu_supports("avx2");
#else
    return path == ScanPath::Plain;
#endif
}

size_t findLineBreakBy(ScanPath path, std::string_view text, size_t from) {
    return scanFor(path)(text.data(), from, text.size());
}

size_t findLineBreak(std::string_view text, size_t from) {
    static const Scan scan = scanFor(scanPathAvailable(ScanPath::Avx2)   ? ScanPath::Avx2
                                     : scanPathAvailable(ScanPath::Sse2) ? ScanPath::Sse2
                                                                         : ScanPath::Plain);
    return scan(text.data(), from, text.size());
}

}  // namespace zv
