#include "tests/support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TempFiles::WriteFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}
