#include "ui/dialogs/CFileListModel.h"

#include <algorithm>

namespace {

// Folds only A-Z: other letters keep their case, as in an ordinal case-insensitive comparison.
QString AsciiFolded(const QString& path)
{
    QString key = path;
    for (QChar& c : key) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

} // namespace

CFileListModel::CFileListModel(QIcon fileIcon, QObject* parent)
    : QAbstractTableModel(parent), m_fileIcon(std::move(fileIcon))
{
}

int CFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CFileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant CFileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.strPath;
    case Qt::DecorationRole:
        return row.bWithIcon ? QVariant(m_fileIcon) : QVariant();
    default:
        return QVariant();
    }
}

QVariant CFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("File Name");
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

bool CFileListModel::IsNewPath(const QString& path) const
{
    return !m_keys.contains(AsciiFolded(path));
}

int CFileListModel::Append(const QStringList& paths, bool bWithIcon)
{
    std::vector<Row> fresh;
    for (const QString& path : paths) {
        const QString key = AsciiFolded(path);
        if (m_keys.contains(key))
            continue;
        m_keys.insert(key);
        fresh.push_back({path, bWithIcon});
    }
    if (fresh.empty())
        return 0;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(fresh.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    endInsertRows();
    return static_cast<int>(fresh.size());
}

void CFileListModel::Remove(QList<int> rows)
{
    rows.removeIf([this](int row) { return row < 0 || row >= rowCount(); });
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, one run of adjacent rows at a time.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] - 1)
            ++j;
        const int first = rows[j];
        const int last = rows[i];
        beginRemoveRows(QModelIndex(), first, last);
        for (int row = first; row <= last; ++row)
            m_keys.remove(AsciiFolded(m_rows[static_cast<size_t>(row)].strPath));
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        endRemoveRows();
        i = j + 1;
    }
}

void CFileListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_keys.clear();
    endResetModel();
}

QStringList CFileListModel::Paths() const
{
    QStringList paths;
    paths.reserve(rowCount());
    for (const Row& row : m_rows)
        paths.append(row.strPath);
    return paths;
}
