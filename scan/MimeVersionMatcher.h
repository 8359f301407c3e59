#pragma once
#include "platform/CFile.h"
#include "scan/ByteSpan.h"
#include "scan/CrLfHistory.h"
#include "scan/MboxFileScanner.h"

// Finds LF followed by "MIME-Version: 1.0"; from the second such line on, records where its message
// begins: at that LF when header lines follow it, else at the header block found above it.
class MimeVersionMatcher : public BlockMatcher {
public:
    MimeVersionMatcher(MessageOffsetTable& offsets, uint64_t length, const QString& path);
    void Match(const ByteSpan& span, uint64_t begin, uint64_t end) override;

private:
    void OnLineBreak(const ByteSpan& span, uint64_t lf);

    MessageOffsetTable& m_offsets;
    uint64_t m_length;
    CFile m_reader; // the file opened a second time, for the lines after a match
    CrLfHistory m_history;
    uint64_t m_matches = 0;
};
