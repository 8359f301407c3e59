#include "ui/controls/CEmailListModel.h"

#include <limits>

namespace {

constexpr int kNameColumn = 0;
constexpr int kAttachmentColumn = 1;
constexpr int kNameHeaderImage = 2;
constexpr int kAttachmentHeaderImage = 0;

const char* const kHeaders[CEmailListModel::kColumnCount] = {"", "", "To", "From", "Subject", "Arrival Date/Time"};

} // namespace

CEmailListModel::CEmailListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CEmailListModel::SetImageLists(const CImageList& rowImages, const CImageList& headerImages)
{
    m_rowImages = rowImages;
    m_headerImages = headerImages;
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kAttachmentColumn), {Qt::DecorationRole});
}

void CEmailListModel::DeleteAllItems()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

void CEmailListModel::AppendRows(const std::vector<EmailRow>& rows)
{
    // The view counts rows in int; rows beyond that could not be shown.
    const size_t room = static_cast<size_t>(std::numeric_limits<int>::max()) - m_rows.size();
    if (rows.empty() || rows.size() > room)
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

const EmailRow* CEmailListModel::Row(int64_t row) const
{
    if (row < 0 || row >= static_cast<int64_t>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<size_t>(row)];
}

QString CEmailListModel::CellText(int64_t row, int column) const
{
    const EmailRow* email = Row(row);
    if (!email)
        return {};
    switch (column) {
    case kNameColumn: return email->strName;
    case 2: return email->strTo;
    case 3: return email->strFrom;
    case 4: return email->strSubject;
    case 5: return email->strDate;
    default: return {};
    }
}

int CEmailListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CEmailListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CEmailListModel::data(const QModelIndex& index, int role) const
{
    const EmailRow* email = Row(index.row());
    if (!email)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const QString text = CellText(index.row(), index.column());
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Qt::DecorationRole:
        if (index.column() == kNameColumn)
            return m_rowImages.Image(kEmailRowImage);
        if (index.column() == kAttachmentColumn && email->bHasAttachment)
            return m_rowImages.Image(kAttachmentImage);
        return {};
    default:
        return {};
    }
}

QVariant CEmailListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(kHeaders[section]);
    if (role == Qt::DecorationRole && section == kNameColumn)
        return m_headerImages.Image(kNameHeaderImage);
    if (role == Qt::DecorationRole && section == kAttachmentColumn)
        return m_headerImages.Image(kAttachmentHeaderImage);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
