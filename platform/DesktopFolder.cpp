#include "platform/DesktopFolder.h"

#include <QDir>
#include <QStandardPaths>

QString GetDesktopFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return folder;
}
