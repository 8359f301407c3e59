#include "platform/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString WithTrailingSlash(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

QString SystemTempPath()
{
    // QDir::tempPath() gives "" when TMPDIR names a missing folder.
    const QString existing = QDir::tempPath();
    if (!existing.isEmpty())
        return existing;
    const QString configured = qEnvironmentVariable("TMPDIR");
    return configured.isEmpty() ? QStringLiteral("/tmp") : QDir::cleanPath(configured);
}

QString GetTempFolder(const QString& base)
{
    const QString root = base.isEmpty() ? SystemTempPath() : QDir::fromNativeSeparators(base);
    const QString folder = WithTrailingSlash(root) + QStringLiteral("KavrenOrlandaCon");
    QDir().mkdir(folder);
    return folder + u'/';
}

void EmptyFolder(const QString& folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink()) {
            EmptyFolder(path);
            QDir().rmdir(path);
        } else {
            QFile::remove(path);
        }
    }
}

void RemoveTempFolder(const QString& base)
{
    const QString folder = GetTempFolder(base);
    if (!QFileInfo(folder).isDir())
        return;
    EmptyFolder(folder);
    QDir().rmdir(folder);
}
