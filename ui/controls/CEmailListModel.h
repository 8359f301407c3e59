#pragma once
#include "scan/MainFrameInterface.h"
#include "ui/controls/CImageList.h"
#include <QAbstractTableModel>
#include <vector>

// The rows of the email list, in the order they were appended.
class CEmailListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 6;

    explicit CEmailListModel(QObject* parent = nullptr);

    void SetImageLists(const CImageList& rowImages, const CImageList& headerImages);
    void DeleteAllItems();
    void AppendRows(const std::vector<EmailRow>& rows);
    const EmailRow* Row(int64_t row) const;
    QString CellText(int64_t row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<EmailRow> m_rows;
    CImageList m_rowImages;
    CImageList m_headerImages;
};
