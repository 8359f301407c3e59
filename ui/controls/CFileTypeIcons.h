#pragma once
#include <QIcon>
#include <QString>

// File-type icons by the extension of a file name; the file need not exist.
class CFileTypeIcons {
public:
    virtual ~CFileTypeIcons() = default;
    static QIcon GetFileIcon(const QString& fileName);
};
