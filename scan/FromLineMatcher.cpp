#include "scan/FromLineMatcher.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool IsLineBreak(unsigned char c) { return c == '\n' || c == '\r'; }

#if defined(__SSE2__)
// Bits of the 16 positions from p that hold "F" right after a line break.
unsigned BreakThenF(const unsigned char* p)
{
    const __m128i current = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i previous = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p - 1));
    const __m128i isBreak = _mm_or_si128(_mm_cmpeq_epi8(previous, _mm_set1_epi8('\n')),
                                         _mm_cmpeq_epi8(previous, _mm_set1_epi8('\r')));
    return unsigned(_mm_movemask_epi8(_mm_and_si128(isBreak, _mm_cmpeq_epi8(current, _mm_set1_epi8('F')))));
}
#endif

} // namespace

// The search runs on the "F" of "From " and looks one byte back, 16 positions at a time where it can.
void FromLineMatcher::Match(const ByteSpan& span, uint64_t begin, uint64_t end)
{
    constexpr uint64_t kWindow = 6;
    if (m_length < kWindow)
        return;
    const uint64_t stop = std::min(end + 1, m_length - kWindow + 2);
    const auto test = [&](uint64_t at) {
        if (std::memcmp(span.Ptr(at), "From ", 5) == 0)
            m_offsets.push_back(at - 1);
    };
    uint64_t at = begin + 1;
#if defined(__SSE2__)
    for (; at + 16 <= stop; at += 16)
        for (unsigned mask = BreakThenF(span.Ptr(at)); mask != 0; mask &= mask - 1)
            test(at + unsigned(__builtin_ctz(mask)));
#endif
    for (; at < stop; ++at)
        if (span.At(at) == 'F' && IsLineBreak(span.At(at - 1)))
            test(at);
}
