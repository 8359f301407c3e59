#include "scan/CrLfHistory.h"

#include "scan/HeaderNames.h"

void CrLfHistory::Push(uint64_t crOffset, uint8_t namesOfNextLine)
{
    m_breaks[m_next] = {crOffset, namesOfNextLine};
    m_next = (m_next + 1) % kDepth;
    if (m_count < kDepth)
        ++m_count;
}

uint64_t CrLfHistory::FindHeaderStartBefore(uint64_t offset) const
{
    constexpr uint8_t kAllNames = kHeaderTo | kHeaderFrom | kHeaderSubject;
    uint64_t result = offset;
    uint8_t seen = 0;
    for (size_t i = 1; i <= m_count; ++i) {
        const Break& b = m_breaks[(m_next + kDepth - i) % kDepth];
        result = b.names ? b.cr + 2 : b.cr;
        seen |= b.names;
        if (seen == kAllNames)
            break;
    }
    return result;
}
