#include "export/UniqueFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kMaxTries = 10000;

QString Candidate(const QString& folder, const QString& base, const QString& extension, int n)
{
    const QString suffix = n == 1 ? QString() : QStringLiteral(" (%1)").arg(n);
    return QDir(folder).filePath(base + suffix + extension);
}

// True when path names something that exists, a dangling symbolic link included.
bool Taken(const QString& path)
{
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

} // namespace

bool CreateUniqueFile(const QString& folder, const QString& base, const QString& extension, QFile& file)
{
    for (int n = 1; n <= kMaxTries; ++n) {
        file.setFileName(Candidate(folder, base, extension, n));
        // NewOnly creates with O_EXCL: a file made meanwhile by someone else is never opened.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!Taken(file.fileName()))
            return false;
    }
    return false;
}

QString CreateUniqueFolder(const QString& parent, const QString& name)
{
    for (int n = 1; n <= kMaxTries; ++n) {
        const QString path = Candidate(parent, name, QString(), n);
        if (QDir().mkdir(path))
            return path;
        if (!Taken(path))
            return QString();
    }
    return QString();
}
