#include "display/TempNames.h"

#include "platform/TempFileName.h"

#include <QFile>

QString NewTempName(const QString& folder, const QString& extension)
{
    const QString unique = GetTempFileName(folder, QStringLiteral("Tmp"));
    if (unique.isEmpty())
        return QString();
    QFile::remove(unique);
    return unique.chopped(4) + extension;
}
