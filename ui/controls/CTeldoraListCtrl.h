#pragma once
#include <QListWidget>

// The output pane's one-column list of status lines, in the order they came.
class CTeldoraListCtrl : public QListWidget {
    Q_OBJECT
public:
    explicit CTeldoraListCtrl(QWidget* parent = nullptr);

    void DeleteAllItems();
    void AppendLine(const QString& line); // becomes the last row; the list does not scroll
    int GetItemCount() const;
    QString GetItemText(int row) const;
};
