#pragma once
#include <cstdint>

// Bytes of a file held in memory: data[0] is the file's byte at origin; valid up to end (exclusive).
struct ByteSpan {
    const unsigned char* data = nullptr;
    uint64_t origin = 0;
    uint64_t end = 0;

    const unsigned char* Ptr(uint64_t pos) const { return data + (pos - origin); }
    unsigned char At(uint64_t pos) const { return data[pos - origin]; }
    uint64_t PosOf(const void* p) const { return origin + uint64_t(static_cast<const unsigned char*>(p) - data); }
};

// Tests the windows that start in [begin, end); span holds those bytes, the byte before begin and 17 after end.
class BlockMatcher {
public:
    virtual ~BlockMatcher() = default;
    virtual void Match(const ByteSpan& span, uint64_t begin, uint64_t end) = 0;
};
