#include "scan/MimeVersionMatcher.h"

#include "scan/HeaderNames.h"

#include <cstring>

namespace {
constexpr char kMimeVersion[] = "MIME-Version: 1.0";
constexpr uint64_t kMimeVersionSize = sizeof(kMimeVersion) - 1;
} // namespace

MimeVersionMatcher::MimeVersionMatcher(MessageOffsetTable& offsets, uint64_t length, const QString& path)
    : m_offsets(offsets), m_length(length)
{
    m_reader.Open(path);
}

void MimeVersionMatcher::Match(const ByteSpan& span, uint64_t begin, uint64_t end)
{
    // A container that opens with the line belongs to its first message; not counting it would merge
    // the second message into the first.
    if (begin == 0 && m_length >= kMimeVersionSize && std::memcmp(span.Ptr(0), kMimeVersion, kMimeVersionSize) == 0)
        ++m_matches;
    for (uint64_t at = begin; at < end;) {
        const void* hit = std::memchr(span.Ptr(at), '\n', end - at);
        if (!hit)
            return;
        at = span.PosOf(hit);
        OnLineBreak(span, at);
        ++at;
    }
}

void MimeVersionMatcher::OnLineBreak(const ByteSpan& span, uint64_t lf)
{
    if (lf > 0 && span.At(lf - 1) == '\r')
        m_history.Push(lf - 1, HeaderNamesAt(span.Ptr(lf + 1), m_length - (lf + 1)));
    const bool isMimeVersion = m_length - lf > kMimeVersionSize
        && std::memcmp(span.Ptr(lf + 1), kMimeVersion, kMimeVersionSize) == 0;
    if (!isMimeVersion || ++m_matches < 2)
        return;
    if (MboxFileScanner::HasHeaderLinesAfter(m_reader, lf))
        m_offsets.push_back(lf);
    else
        m_offsets.push_back(m_reader.IsOpen() ? m_history.FindHeaderStartBefore(lf) : lf);
}
