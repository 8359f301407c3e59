#pragma once
#include <QWidget>

class QTabWidget;
class CTeldoraListCtrl;
class CTeldoraStaticViewer;

// The output pane content: "Log Viewer" and "File Viewer" tabs at the bottom.
class COutputWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLogTab = 0;
    static constexpr int kPreviewTab = 1;

    explicit COutputWnd(QWidget* parent = nullptr);

    CTeldoraListCtrl* GetLogList() const { return m_listOutput; }
    CTeldoraStaticViewer* GetPreviewPane() const { return m_preview; }
    QTabWidget* GetTabs() const { return m_tabs; }
    void ActivateTab(int tab);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabWidget* m_tabs;
    CTeldoraStaticViewer* m_preview;
    CTeldoraListCtrl* m_listOutput;
};
