#include "mime/ByteSearch.h"

#include <algorithm>
#include <cstring>
#include <functional>

int64_t MimeFindCrLf(const char* pData, int64_t nFrom, int64_t nLength)
{
    for (int64_t i = nFrom; i + 1 < nLength; ++i) {
        const void* hit = std::memchr(pData + i, '\r', static_cast<size_t>(nLength - 1 - i));
        if (!hit)
            return -1;
        i = static_cast<const char*>(hit) - pData;
        if (pData[i + 1] == '\n')
            return i;
    }
    return -1;
}

int64_t MimeFindBytes(const char* pData, int64_t nFrom, int64_t nLength, std::string_view needle)
{
    const auto m = static_cast<int64_t>(needle.size());
    if (m == 0 || nLength - nFrom < m)
        return -1;
    // Scanning for the first byte and comparing is linear only when that byte does not recur in the needle.
    if (needle.find(needle[0], 1) != std::string_view::npos) {
        const char* end = pData + nLength;
        const char* hit = std::search(pData + nFrom, end, std::boyer_moore_searcher(needle.begin(), needle.end()));
        return hit == end ? -1 : hit - pData;
    }
    for (int64_t i = nFrom; i + m <= nLength; ++i) {
        const void* hit = std::memchr(pData + i, needle[0], static_cast<size_t>(nLength - m + 1 - i));
        if (!hit)
            return -1;
        i = static_cast<const char*>(hit) - pData;
        if (std::memcmp(pData + i + 1, needle.data() + 1, static_cast<size_t>(m - 1)) == 0)
            return i;
    }
    return -1;
}
