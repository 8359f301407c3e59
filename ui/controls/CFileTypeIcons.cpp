#include "ui/controls/CFileTypeIcons.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

QIcon CFileTypeIcons::GetFileIcon(const QString& fileName)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}
