#include "display/EmailSlice.h"

#include <algorithm>
#include <new>

bool ReadEmailSlice(const CFile& file, uint64_t start, uint64_t end, QByteArray& data)
{
    const uint64_t length = file.GetLength();
    const uint64_t from = std::min(start, length);
    const uint64_t to = std::clamp(end, from, length);
    try {
        // resize keeps the capacity, so listing reuses one buffer instead of faulting in fresh pages per email
        data.resize(static_cast<qsizetype>(to - from));
    } catch (const std::bad_alloc&) {
        return false;
    }
    uint64_t done = 0;
    while (done < to - from) {
        const int64_t got = file.ReadAt(from + done, data.data() + done, to - from - done);
        if (got <= 0)
            break;
        done += static_cast<uint64_t>(got);
    }
    // A file shortened since the scan leaves zero bytes, as a zeroed buffer would.
    std::fill(data.begin() + static_cast<qsizetype>(done), data.end(), '\0');
    return true;
}
