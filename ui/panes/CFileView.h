#pragma once
#include <QWidget>

class CCheckTreeCtrl;

// The pane content on the left: the mailbox tree inside a one-pixel frame.
class CFileView : public QWidget {
    Q_OBJECT
public:
    explicit CFileView(QWidget* parent = nullptr);

    CCheckTreeCtrl* GetTree() const { return m_tree; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CCheckTreeCtrl* m_tree;
};
