#include "display/HeaderBlocks.h"

#include "display/LineEnds.h"

#include <cstring>

namespace {

// A line of the email as the parser sees it after normalisation: [start, contentEnd) of the raw bytes,
// then its line end, which ends before next (next == contentEnd for a last line without one).
struct Line {
    qsizetype start;
    qsizetype contentEnd;
    qsizetype next;
};

// The lines of the normalised email, read from the raw bytes: a normalised CR LF is a raw CR LF when the
// email is parsed as it is, a raw LF when bare LFs get a CR, a raw CR when every CR gets an LF.
class NormalisedLines {
public:
    NormalisedLines(QByteArrayView raw, LineEndFix fix) : m_raw(raw.data()), m_size(raw.size()), m_fix(fix) {}

    qsizetype Size() const { return m_size; }

    Line At(qsizetype start) const
    {
        const qsizetype end = FindLineEnd(start);
        if (end < 0)
            return {start, m_size, m_size};
        return {start, end, end + (m_fix == LineEndFix::None ? 2 : 1)};
    }

    void Append(const Line& line, QByteArray& out) const
    {
        out.append(m_raw + line.start, line.contentEnd - line.start);
        if (line.next == line.contentEnd)
            return;
        if (m_fix == LineEndFix::None)
            out.append("\r\n", 2);
        else if (m_fix == LineEndFix::CrBeforeBareLf && line.contentEnd > 0 && m_raw[line.contentEnd - 1] == '\r')
            out.append('\n');
        else
            out.append("\r\n", 2);
    }

    // An empty normalised line starts with the CR of its line end.
    bool StartsWithCr(const Line& line) const
    {
        return line.start < line.contentEnd ? m_raw[line.start] == '\r' : line.next > line.contentEnd;
    }

    // The start of the first line at or after from (itself a line start) that begins with "--"; Size() if none.
    qsizetype NextDashLine(qsizetype from) const
    {
        for (qsizetype p = from; p + 1 < m_size; ++p) {
            const void* dash = memchr(m_raw + p, '-', size_t(m_size - 1 - p));
            if (!dash)
                break;
            p = static_cast<const char*>(dash) - m_raw;
            if (m_raw[p + 1] == '-' && IsLineStart(p))
                return p;
        }
        return m_size;
    }

private:
    qsizetype FindLineEnd(qsizetype from) const
    {
        const char mark = m_fix == LineEndFix::CrBeforeBareLf ? '\n' : '\r';
        for (qsizetype p = from; p < m_size; ++p) {
            const void* hit = memchr(m_raw + p, mark, size_t(m_size - p));
            if (!hit)
                return -1;
            p = static_cast<const char*>(hit) - m_raw;
            if (m_fix != LineEndFix::None)
                return p;
            if (p + 1 < m_size && m_raw[p + 1] == '\n')
                return p;
        }
        return -1;
    }

    bool IsLineStart(qsizetype p) const
    {
        switch (m_fix) {
        case LineEndFix::None:
            return p == 0 || (p >= 2 && m_raw[p - 2] == '\r' && m_raw[p - 1] == '\n');
        case LineEndFix::CrBeforeBareLf:
            return p == 0 || m_raw[p - 1] == '\n';
        case LineEndFix::LfAfterCr:
            return p == 0 || m_raw[p - 1] == '\r';
        }
        return false;
    }

    const char* m_raw;
    qsizetype m_size;
    LineEndFix m_fix;
};

} // namespace

void CopyHeaderBlocks(QByteArrayView raw, QByteArray& out)
{
    out.clear();
    const NormalisedLines lines(raw, LineEndFixOf(raw));
    qsizetype p = 0;
    // The line break a slice begins with is skipped by the parse and does not end the header.
    if (lines.Size() > 0) {
        const Line first = lines.At(0);
        lines.Append(first, out);
        if (out == "\r\n")
            p = first.next;
        else
            out.clear();
    }
    bool keep = true;
    while (p < lines.Size()) {
        if (!keep) {
            p = lines.NextDashLine(p);
            if (p >= lines.Size())
                break;
        }
        const Line line = lines.At(p);
        lines.Append(line, out);
        keep = !lines.StartsWithCr(line);
        p = line.next;
    }
}
