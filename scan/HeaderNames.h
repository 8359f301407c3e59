#pragma once
#include <cstdint>
#include <cstring>

enum HeaderName : uint8_t { kHeaderTo = 1, kHeaderFrom = 2, kHeaderSubject = 4 };

// Which of "To:", "From:", "Subject:" the bytes begin with; available bounds the bytes that may be looked at.
inline uint8_t HeaderNamesAt(const unsigned char* bytes, uint64_t available)
{
    const auto startsWith = [&](const char* name, uint64_t size) {
        return available >= size && std::memcmp(bytes, name, size) == 0;
    };
    uint8_t names = 0;
    if (startsWith("To:", 3))
        names |= kHeaderTo;
    if (startsWith("From:", 5))
        names |= kHeaderFrom;
    if (startsWith("Subject:", 8))
        names |= kHeaderSubject;
    return names;
}
