#include "display/ForceHtmlContentType.h"

#include "platform/TextCodec.h"

#include <QString>
#include <array>

namespace {

constexpr QByteArrayView kContentTypeLine("\r\nContent-Type:");
constexpr std::array<QByteArrayView, 4> kTextTypes = {
    QByteArrayView(" text/html"), QByteArrayView("text/html"), QByteArrayView(" text/plain"),
    QByteArrayView("text/plain")};

bool NamesTextType(QByteArrayView value)
{
    for (const QByteArrayView type : kTextTypes) {
        if (value.startsWith(type))
            return true;
    }
    return false;
}

} // namespace

void ForceHtmlContentType(QByteArray& data)
{
    const QByteArrayView bytes(data);
    const qsizetype lineSize = kContentTypeLine.size();
    const qsizetype last = bytes.size() - lineSize;
    qsizetype first = -1;
    for (qsizetype p = bytes.indexOf(kContentTypeLine); p >= 0 && p < last;
         p = bytes.indexOf(kContentTypeLine, p + lineSize)) {
        if (NamesTextType(bytes.sliced(p + lineSize)))
            return;
        if (first < 0)
            first = p;
    }
    if (first < 0)
        return;
    const qsizetype cr = bytes.indexOf('\r', first + lineSize);
    if (cr < 0)
        return;
    const QByteArray line = WideToAnsi(QStringLiteral("Content-Type: text/html; charset=\"ISO-8859-1\""));
    data = bytes.first(first + 2).toByteArray() + line + bytes.sliced(cr + 1).toByteArray();
}
