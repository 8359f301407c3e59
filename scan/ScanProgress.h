#pragma once
#include "scan/MainFrameInterface.h"

#include <cstdint>

// A scan's progress on a 0..1000 bar: the position at every 100th byte is floor(p * 1000 / length),
// and only changed positions are sent, so a block of bytes costs at most one message per step of the bar.
class ScanProgress {
public:
    ScanProgress(IProgressNotify* notify, uint64_t length) : m_notify(notify), m_length(length) {}

    void Start();
    void Advance(uint64_t end); // every position for the bytes before end
    void Finish();

private:
    void Send(int64_t pos);

    IProgressNotify* m_notify;
    uint64_t m_length;
    uint64_t m_next = 0; // the next multiple of 100 whose position may differ from the last one sent
    int64_t m_last = 0;
};
