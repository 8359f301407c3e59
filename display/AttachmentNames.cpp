#include "display/AttachmentNames.h"

#include "display/HeaderText.h"
#include "display/LineEnds.h"
#include "mime/MimeMessage.h"

#include <QFile>
#include <list>
#include <utility>

namespace {

bool ReadWholeFile(const QString& path, QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return true;
}

} // namespace

QString ReadAttachmentNames(const QString& path)
{
    QByteArray data;
    if (!ReadWholeFile(path, data))
        return QString();
    QString names = AttachmentNamesOf(std::move(data)).join(u',');
    while (names.endsWith(u','))
        names.chop(1);
    return names;
}

QStringList AttachmentNamesOf(QByteArray data)
{
    bool inserted = false;
    if (!HasCrLfBeforeNul(data))
        data = InsertCrBeforeBareLf(data, inserted);
    CMimeMessage message;
    message.LoadHeadersOnly(data.constData(), data.size());
    std::list<CMimeBody*> parts;
    message.GetBodyPartList(parts);
    QStringList names;
    for (const CMimeBody* part : parts) {
        if (part->GetMediaType() != MEDIA_TEXT && part->IsAttachment())
            names.append(Utf8OrAnsiToWide(QByteArrayView(part->GetName())));
    }
    return names;
}

QStringList AttachmentRowsFromNames(const QString& names)
{
    return names.isEmpty() ? QStringList() : names.split(u',');
}

QString ImmAttachmentRow(const QString& entry)
{
    qsizetype dashes = 0;
    while (dashes < entry.size() && entry[dashes] == u'-')
        ++dashes;
    const QString path = entry.mid(dashes);
    return path.mid(path.lastIndexOf(u'\\') + 1);
}
