#include "export/ExportFolderCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString ExportFolderProblem(const QString& folder)
{
    if (folder.trimmed().isEmpty())
        return QStringLiteral("Please select the folder to save the files in.");
    const QFileInfo info(folder);
    if (!info.isDir())
        return QStringLiteral("The selected folder does not exist.");
    // Permission bits do not tell about read-only mounts or a root user; a probe file does.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orlanda-probe-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("The selected folder cannot be written to.");
    return QString();
}
