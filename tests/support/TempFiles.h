#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed with it; WriteFile puts a file with the given bytes there.
class TempFiles {
public:
    QString Path(const QString& name) const { return m_dir.path() + u'/' + name; }
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    QString Folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
