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

bool HasCrLfBeforeNul(const QByteArray& data)
{
    const qsizetype nul = data.indexOf('\0');
    const QByteArrayView text = nul < 0 ? QByteArrayView(data) : QByteArrayView(data).first(nul);
    return text.contains(QByteArrayView("\r\n", 2));
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
