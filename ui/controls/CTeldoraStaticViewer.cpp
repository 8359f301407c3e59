#include "ui/controls/CTeldoraStaticViewer.h"

#include "ui/controls/CFileTypeIcons.h"
#include "ui/controls/CTeldoraToolsWebBrowser.h"
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kHeaderTop = 6;
constexpr int kHeaderBottom = 116;
constexpr int kHeaderInset = 6;
constexpr int kDateBoxWidth = 120; // right part of the header box kept free of the texts

QFont MessageFont(QFont::Weight weight)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setWeight(weight);
    return font;
}

// A Windows-style rectangle edge: [left, right) x [top, bottom).
QRect Span(int left, int top, int width, int height)
{
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

} // namespace

CTeldoraStaticViewer::CTeldoraStaticViewer(QWidget* parent)
    : QWidget(parent),
      m_fontBold(MessageFont(QFont::Bold)),
      m_fontNormal(MessageFont(QFont::Normal)),
      m_listAttachments(new QListWidget(this)),
      m_browser(new CTeldoraToolsWebBrowser(this))
{
    setAccessibleName(QStringLiteral("Preview"));
    setContextMenuPolicy(Qt::NoContextMenu);
    m_listAttachments->setViewMode(QListView::ListMode);
    m_listAttachments->setFlow(QListView::TopToBottom);
    m_listAttachments->setWrapping(true);
    m_listAttachments->setResizeMode(QListView::Adjust);
    m_listAttachments->setIconSize(QSize(16, 16));
    m_listAttachments->setContextMenuPolicy(Qt::NoContextMenu);
    m_listAttachments->setGeometry(0, 0, 0, 0);
}

void CTeldoraStaticViewer::ClearPreview()
{
    m_strSubject.clear();
    m_strFrom.clear();
    m_strTo.clear();
    m_strDate.clear();
    m_listAttachments->clear();
    // The header layout must show at once; waiting for the next resize would leave the browser
    // covering the header texts of the first preview.
    if (m_bBrowserOnly) {
        m_bBrowserOnly = false;
        LayoutChildren();
    }
}

void CTeldoraStaticViewer::SetHeaders(const PreviewHeaders& headers)
{
    m_strSubject = headers.strSubject;
    m_strFrom = headers.strFrom;
    m_strTo = headers.strTo;
    m_strDate = headers.strDate;
    update();
}

void CTeldoraStaticViewer::AppendAttachmentRows(const QStringList& names)
{
    for (const QString& name : names)
        new QListWidgetItem(CFileTypeIcons::GetFileIcon(name), name, m_listAttachments); // owned by the list
}

void CTeldoraStaticViewer::NavigatePreview(const QString& path)
{
    m_browser->Navigate(path);
}

void CTeldoraStaticViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutChildren();
}

void CTeldoraStaticViewer::LayoutChildren()
{
    const int cx = width();
    const int cy = height();
    if (m_bBrowserOnly) {
        m_listAttachments->setGeometry(0, 0, 0, 0);
        m_browser->setGeometry(Span(10, 10, cx - 20, cy - 20));
    } else {
        m_listAttachments->setGeometry(Span(120, 75, cx - 130, 40));
        m_browser->setGeometry(Span(10, 125, cx - 20, cy - 145));
    }
    m_listAttachments->update();
    m_browser->update();
}

void CTeldoraStaticViewer::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

void CTeldoraStaticViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_rcHeader = Span(kHeaderInset, kHeaderTop, width() - 2 * kHeaderInset, kHeaderBottom - kHeaderTop);
    const QColor window = palette().color(QPalette::Base);
    painter.fillRect(rect(), window);
    painter.fillRect(m_rcHeader, window);
    const QRect& h = m_rcHeader;
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    painter.fillRect(Span(h.left(), h.top(), h.width() - 1, 1), light);
    painter.fillRect(Span(h.left(), h.top(), 1, h.height() - 1), light);
    painter.fillRect(Span(h.left() + h.width() - 1, h.top(), 1, h.height()), shadow);
    painter.fillRect(Span(h.left(), h.top() + h.height() - 1, h.width(), 1), shadow);
    if (m_rcHeader.width() > kDateBoxWidth)
        DrawHeaderTexts(painter);
    DrawFrame(painter);
}

void CTeldoraStaticViewer::DrawHeaderTexts(QPainter& painter) const
{
    const QRect box = Span(m_rcHeader.left(), kHeaderTop, m_rcHeader.width() - kDateBoxWidth, m_rcHeader.height());
    const int right = box.left() + box.width();
    painter.save();
    painter.setClipRect(box);
    painter.setPen(palette().color(QPalette::Text));
    const auto draw = [&](const QFont& font, int x, int y, const QString& text) {
        painter.setFont(font);
        painter.drawText(QRect(x, y, 10000, 1000), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    draw(m_fontBold, box.left() + 9, box.top() + 4, m_strSubject);
    draw(m_fontBold, box.left() + 9, box.top() + 23, m_strFrom);
    draw(m_fontNormal, box.left() + 10, box.top() + 45, m_strTo);
    draw(m_fontNormal, right - 170, box.top() + 30, m_strDate);
    painter.restore();
}

// Shaded frame: light outside at the top left, dark inside, then a black line 5 pixels in.
void CTeldoraStaticViewer::DrawFrame(QPainter& painter) const
{
    const int right = width();
    const int bottom = height();
    for (int k = 0; k <= 5; ++k)
        painter.fillRect(Span(k, k, right - k, 1), QColor(138 - 32 * k / 6, 146 - 34 * k / 6, 166 - 38 * k / 6));
    for (int k = 0; k <= 4; ++k) {
        const QColor outer(106 + 32 * k / 5, 112 + 34 * k / 5, 128 + 38 * k / 5);
        painter.fillRect(Span(5 - k, bottom - 5 + k, right + 5 - k, 1), outer);
        painter.fillRect(Span(k, k, 1, bottom - 2 * k), QColor(138 - 32 * k / 5, 146 - 34 * k / 5, 166 - 38 * k / 5));
        painter.fillRect(Span(right - 5 + k, 5 - k, 1, bottom - 10 + 2 * k), outer);
    }
    const QRect inner = Span(5, 5, right - 10, bottom - 10);
    painter.fillRect(Span(inner.left(), inner.top(), inner.width(), 1), Qt::black);
    painter.fillRect(Span(inner.left(), inner.top() + inner.height() - 1, inner.width(), 1), Qt::black);
    painter.fillRect(Span(inner.left(), inner.top(), 1, inner.height()), Qt::black);
    painter.fillRect(Span(inner.left() + inner.width() - 1, inner.top(), 1, inner.height()), Qt::black);
}
