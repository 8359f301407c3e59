#pragma once
#include <QStatusBar>

class QProgressBar;

// The status bar: the maker's address as a link, a separator, the title pane at the right, and the progress bar
// laid over the bar at a fixed place.
class CRibbonStatusBarCls : public QStatusBar {
    Q_OBJECT
public:
    explicit CRibbonStatusBarCls(QWidget* parent);

    QProgressBar* ProgressBar() const { return m_progress; }
    // Where the progress bar sits in a status bar barWidth pixels wide.
    static QRect ProgressGeometry(int barWidth);

signals:
    void linkActivated(const QString& address);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QProgressBar* m_progress;
};
