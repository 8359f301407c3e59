#pragma once
#include "scan/MainFrameInterface.h"
#include "ui/controls/CImageList.h"
#include <QTableView>
#include <vector>

class CEmailListModel;

// The email list: six fixed columns, rows kept in the order they were appended, a left click on a
// row asks for its preview.
class CTeldoraToolsTopListCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CTeldoraToolsTopListCtrl(QWidget* parent = nullptr);

    void SetImageLists(const CImageList& rowImages, const CImageList& headerImages);
    void DeleteAllItems();
    void AppendRows(const std::vector<EmailRow>& rows);
    int64_t GetItemCount() const;
    int64_t GetItemData(int64_t row) const; // -1 for a row that does not exist
    QString GetItemText(int64_t row, int column) const;
    void EnsureVisible(int64_t row);
    int64_t GetSelectionMark() const; // the current row or -1

signals:
    void showMailPreview(int64_t row);     // left button down on a row
    void rightClickedRow(int64_t row);     // right button down on a row; the view ignores it
    void mailListKey(int64_t selectionMark); // every key down and key up; the view ignores it

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    CEmailListModel* m_model;
};
