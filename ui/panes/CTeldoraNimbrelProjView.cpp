#include "ui/panes/CTeldoraNimbrelProjView.h"

#include "ui/controls/CTeldoraToolsTopListCtrl.h"

CTeldoraNimbrelProjView::CTeldoraNimbrelProjView(QWidget* parent)
    : QWidget(parent), m_list(new CTeldoraToolsTopListCtrl(this))
{
    m_list->SetImageLists(CImageList(QStringLiteral(":/controls/rows_329.png"), QSize(16, 16)),
                          CImageList(QStringLiteral(":/controls/header_328.png"), QSize(12, 13)));
    setFocusProxy(m_list);
}

void CTeldoraNimbrelProjView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_list->setGeometry(0, 0, width(), height());
}
