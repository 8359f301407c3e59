#pragma once
#include <QDialog>
#include <QPoint>

class IUserPrompts;
class QLabel;

// The About dialog: banner, product title, the maker's web site and e-mail links, a notice line and OK. Enter
// and Escape do nothing; a press on its surface drags it.
class CTeldoraAboutDlg : public QDialog {
    Q_OBJECT
public:
    // Links are opened through prompts.
    CTeldoraAboutDlg(IUserPrompts& prompts, QWidget* parent);

    static QString NoticeText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* AddLink(const QString& text, const QString& url, const QString& tooltip, QPoint at);
    QLabel* AddText(const QString& text, const QRect& where, const QFont& font);

    IUserPrompts& m_prompts;
    QPoint m_dragOffset;
    bool m_bDragging = false;
};
