#include "scan/FromLineMatcher.h"

#include <algorithm>
#include <cstring>

void FromLineMatcher::Match(const ByteSpan& span, uint64_t begin, uint64_t end)
{
    constexpr uint64_t kWindow = 6;
    if (m_length < kWindow)
        return;
    // "F" is rarer than a line break, so the search runs on it and looks one byte back.
    const uint64_t stop = std::min(end + 1, m_length - kWindow + 2);
    for (uint64_t at = begin + 1; at < stop;) {
        const void* hit = std::memchr(span.Ptr(at), 'F', stop - at);
        if (!hit)
            return;
        at = span.PosOf(hit);
        const unsigned char before = span.At(at - 1);
        if ((before == '\n' || before == '\r') && std::memcmp(hit, "From ", 5) == 0)
            m_offsets.push_back(at - 1);
        ++at;
    }
}
