#include "display/HeaderText.h"

#include "platform/TextCodec.h"

QString Utf8OrAnsiToWide(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = nul < 0 ? bytes : bytes.first(nul);
    const QString utf8 = Utf8ToWide(text.data(), text.size());
    // Only a valid multi-byte sequence makes the decoded text shorter than its bytes.
    if (utf8.size() < text.size())
        return utf8;
    return AnsiToWide(text.data(), text.size());
}
