#include "ui/panes/CFileView.h"

#include "ui/controls/CCheckTreeCtrl.h"
#include <QPainter>

CFileView::CFileView(QWidget* parent) : QWidget(parent), m_tree(new CCheckTreeCtrl(this))
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusProxy(m_tree); // the pane's focus always moves on to the tree
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setContextMenuPolicy(Qt::NoContextMenu);
    m_tree->SetImageList(CImageList(QStringLiteral(":/controls/tree_338.png"), QSize(16, 16)));
    m_tree->Initialize();
    m_tree->m_bSmartCheck = true;
    m_tree->m_bSelectFollowsCheck = true;
}

void CFileView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tree->setGeometry(1, 1, std::max(0, width() - 2), std::max(0, height() - 2));
}

void CFileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    const QRect frame = m_tree->geometry().adjusted(-1, -1, 1, 1);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}
