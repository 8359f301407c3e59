#include "export/SafeFileName.h"

#include <QDateTime>

namespace {

// Each UTF-16 unit takes at most 3 bytes of UTF-8, so index, date, subject, a " (n)" suffix and the
// extension stay well below the 255 bytes a Linux file name may have.
constexpr qsizetype kSubjectLength = 60;
constexpr qsizetype kDateLength = 10;

bool IsRefused(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0)
        || QStringView(u"/\\:*?\"<>|").contains(c);
}

QString DatePart(const QString& date)
{
    const QDateTime parsed = QDateTime::fromString(date.simplified(), Qt::RFC2822Date);
    return parsed.isValid() ? parsed.toString(QStringLiteral("yyyy-MM-dd")) : SafeFileNamePart(date, kDateLength);
}

} // namespace

QString SafeFileNamePart(const QString& text, qsizetype maxLength)
{
    QString safe;
    safe.reserve(std::min(text.size(), maxLength));
    for (const QChar c : text) {
        if (safe.size() >= maxLength)
            break;
        if (c.isSpace()) {
            if (!safe.isEmpty() && !safe.endsWith(u' '))
                safe += u' ';
        } else {
            safe += IsRefused(c) ? QChar(u'_') : c;
        }
    }
    if (!safe.isEmpty() && safe.back().isHighSurrogate())
        safe.chop(1);
    qsizetype begin = 0;
    while (begin < safe.size() && (safe[begin] == u'.' || safe[begin] == u' '))
        ++begin;
    qsizetype end = safe.size();
    while (end > begin && (safe[end - 1] == u'.' || safe[end - 1] == u' '))
        --end;
    return safe.mid(begin, end - begin);
}

QString ExportBaseName(int64_t index, const QString& date, const QString& subject)
{
    QString name = QStringLiteral("%1").arg(index, 5, 10, QChar(u'0'));
    for (const QString& part : {DatePart(date), SafeFileNamePart(subject, kSubjectLength)}) {
        if (!part.isEmpty())
            name += u' ' + part;
    }
    return name;
}
