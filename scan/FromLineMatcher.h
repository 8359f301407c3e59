#pragma once
#include "scan/ByteSpan.h"
#include "scan/MboxFileScanner.h"

// Finds a line break (LF or CR) followed by "From " and records the offset of the break.
class FromLineMatcher : public BlockMatcher {
public:
    FromLineMatcher(MessageOffsetTable& offsets, uint64_t length) : m_offsets(offsets), m_length(length) {}
    void Match(const ByteSpan& span, uint64_t begin, uint64_t end) override;

private:
    MessageOffsetTable& m_offsets;
    uint64_t m_length;
};
