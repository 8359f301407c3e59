#pragma once
#include "scan/MainFrameInterface.h"
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>

class QListWidget;
class CTeldoraToolsWebBrowser;

// The preview pane: paints the previewed email's header texts in a box and hosts the attachment
// list and the browser.
class CTeldoraStaticViewer : public QWidget {
    Q_OBJECT
public:
    explicit CTeldoraStaticViewer(QWidget* parent = nullptr);

    void ClearPreview();
    void SetHeaders(const PreviewHeaders& headers);
    void AppendAttachmentRows(const QStringList& names);
    void NavigatePreview(const QString& path);

    QListWidget* GetAttachmentList() const { return m_listAttachments; }
    CTeldoraToolsWebBrowser* GetBrowser() const { return m_browser; }
    bool IsBrowserOnly() const { return m_bBrowserOnly; }
    QRect HeaderRect() const { return m_rcHeader; }

    QString m_strSubject;
    QString m_strFrom;
    QString m_strTo;
    QString m_strDate;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LayoutChildren();
    void DrawHeaderTexts(QPainter& painter) const;
    void DrawFrame(QPainter& painter) const;

    QRect m_rcHeader;
    QFont m_fontBold;
    QFont m_fontNormal;
    QListWidget* m_listAttachments;
    CTeldoraToolsWebBrowser* m_browser;
    bool m_bBrowserOnly = true;
};
