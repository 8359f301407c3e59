#include "scan/ScanProgress.h"

namespace {
constexpr uint64_t kStep = 100;
constexpr uint64_t kRange = 1000;
} // namespace

void ScanProgress::Start()
{
    if (m_notify)
        m_notify->ProgressRange(0, kRange);
    Send(0);
}

void ScanProgress::Advance(uint64_t end)
{
    while (m_next < end) {
        const auto pos = static_cast<uint64_t>(static_cast<unsigned __int128>(m_next) * kRange / m_length);
        if (static_cast<int64_t>(pos) != m_last)
            Send(static_cast<int64_t>(pos));
        // the first byte whose position exceeds pos, rounded up to the next step
        const auto change = static_cast<uint64_t>((static_cast<unsigned __int128>(pos + 1) * m_length + kRange - 1) / kRange);
        m_next = (change + kStep - 1) / kStep * kStep;
    }
}

void ScanProgress::Finish() { Send(kRange); }

void ScanProgress::Send(int64_t pos)
{
    m_last = pos;
    if (m_notify)
        m_notify->ProgressPos(pos);
}
