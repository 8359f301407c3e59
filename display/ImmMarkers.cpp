#include "display/ImmMarkers.h"

#include "platform/TextCodec.h"

#include <QByteArray>

namespace {

constexpr QByteArrayView kImFilePathMarker("[%ImFilePath%]");
// A search for "From:" needs more than this many bytes.
constexpr qsizetype kShortestFromSearch = 7;

QString AnsiText(QByteArrayView bytes)
{
    return AnsiToWide(bytes.data(), bytes.size());
}

} // namespace

bool CollectImFilePaths(QByteArrayView data, QStringList& paths)
{
    const qsizetype markerSize = kImFilePathMarker.size();
    bool found = false;
    for (qsizetype p = data.indexOf(kImFilePathMarker); p >= 0 && p < data.size() - markerSize;
         p = data.indexOf(kImFilePathMarker, p + 1)) {
        const QByteArrayView rest = data.sliced(p + markerSize);
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        paths.append(AnsiText(rest.first(end)));
        found = true;
    }
    return found;
}

QString FindRawHeaderLine(QByteArrayView data, QByteArrayView name)
{
    const QByteArray key = name.toByteArray() + ':';
    const qsizetype k = key.size();
    const qsizetype size = data.size();
    if (name == "From" && size <= kShortestFromSearch)
        return QString();
    const qsizetype last = size - (k + 1);
    for (qsizetype p = 0; p >= 0 && p < last; p = data.indexOf('\n', p + 1)) {
        const qsizetype keyStart = p == 0 ? 0 : p + 1;
        if (!data.sliced(keyStart).startsWith(key))
            continue;
        const qsizetype valueStart = keyStart + k;
        qsizetype end = data.indexOf('\n', valueStart);
        if (end < 0)
            end = size;
        if (end > valueStart)
            return AnsiText(data.sliced(valueStart, end - valueStart));
        p = valueStart - 1;
    }
    return QString();
}
