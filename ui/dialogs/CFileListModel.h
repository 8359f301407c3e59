#pragma once
#include <QAbstractTableModel>
#include <QIcon>
#include <QSet>
#include <QStringList>

#include <vector>

// The rows of the file list: one column "File Name", one full path per row. Rows added by picking
// carry the file icon; rows found by a folder search carry none. A path differing only in the case of
// ASCII letters counts as already listed.
class CFileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CFileListModel(QIcon fileIcon, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool IsNewPath(const QString& path) const;
    // Appends the paths that are new, in order; returns how many were appended.
    int Append(const QStringList& paths, bool bWithIcon);
    void Remove(QList<int> rows);
    void Clear();
    QStringList Paths() const;

private:
    struct Row {
        QString strPath;
        bool bWithIcon;
    };

    QIcon m_fileIcon;
    std::vector<Row> m_rows;
    QSet<QString> m_keys;
};
