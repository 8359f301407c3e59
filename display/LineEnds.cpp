#include "display/LineEnds.h"

#include <cstring>

namespace {

// Copies data, writing extra before (or after) every occurrence of mark for which needsExtra holds.
template <typename NeedsExtra>
QByteArray InsertAround(const QByteArray& data, char mark, char extra, bool before, bool& inserted,
    NeedsExtra needsExtra)
{
    const char* bytes = data.constData();
    const qsizetype size = data.size();
    qsizetype extras = 0;
    for (const char* p = bytes; (p = static_cast<const char*>(memchr(p, mark, bytes + size - p))); ++p)
        extras += needsExtra(p - bytes) ? 1 : 0;
    inserted = extras > 0;
    if (!inserted)
        return data;
    QByteArray out(size + extras, Qt::Uninitialized);
    char* to = out.data();
    qsizetype from = 0;
    for (const char* p = bytes; (p = static_cast<const char*>(memchr(p, mark, bytes + size - p))); ++p) {
        const qsizetype at = p - bytes;
        if (!needsExtra(at))
            continue;
        const qsizetype upto = before ? at : at + 1;
        memcpy(to, bytes + from, upto - from);
        to += upto - from;
        *to++ = extra;
        from = upto;
    }
    memcpy(to, bytes + from, size - from);
    return out;
}

} // namespace

bool HasCrLfBeforeNul(QByteArrayView data)
{
    const char* begin = data.data();
    const void* nul = memchr(begin, '\0', size_t(data.size()));
    const char* end = nul ? static_cast<const char*>(nul) : begin + data.size();
    for (const char* p = begin; (p = static_cast<const char*>(memchr(p, '\r', size_t(end - p)))); ++p) {
        if (p + 1 < end && p[1] == '\n')
            return true;
    }
    return false;
}

LineEndFix LineEndFixOf(QByteArrayView data)
{
    if (HasCrLfBeforeNul(data))
        return LineEndFix::None;
    const char* begin = data.data();
    const char* end = begin + data.size();
    for (const char* p = begin; (p = static_cast<const char*>(memchr(p, '\n', size_t(end - p)))); ++p) {
        if (p == begin || p[-1] != '\r')
            return LineEndFix::CrBeforeBareLf;
    }
    return LineEndFix::LfAfterCr;
}

QByteArray InsertCrBeforeBareLf(const QByteArray& data, bool& inserted)
{
    const char* bytes = data.constData();
    return InsertAround(data, '\n', '\r', true, inserted,
        [bytes](qsizetype at) { return at == 0 || bytes[at - 1] != '\r'; });
}

QByteArray InsertLfAfterCr(const QByteArray& data, bool& inserted)
{
    return InsertAround(data, '\r', '\n', false, inserted, [](qsizetype) { return true; });
}

void NormalizeLineEnds(QByteArray& data)
{
    bool inserted = false;
    data = InsertCrBeforeBareLf(data, inserted);
    if (!inserted)
        data = InsertLfAfterCr(data, inserted);
}
