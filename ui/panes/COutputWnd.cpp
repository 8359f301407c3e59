#include "ui/panes/COutputWnd.h"

#include "ui/controls/CTeldoraListCtrl.h"
#include "ui/controls/CTeldoraStaticViewer.h"
#include <QFontDatabase>
#include <QTabWidget>

COutputWnd::COutputWnd(QWidget* parent)
    : QWidget(parent),
      m_tabs(new QTabWidget(this)),
      m_preview(new CTeldoraStaticViewer),
      m_listOutput(new CTeldoraListCtrl)
{
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(false);
    m_preview->setFont(font);
    m_listOutput->setFont(font);
    m_tabs->addTab(m_listOutput, tr("Log Viewer")); // the tab widget takes ownership of both pages
    m_tabs->addTab(m_preview, tr("File Viewer"));
    ActivateTab(kLogTab);
}

void COutputWnd::ActivateTab(int tab)
{
    if (tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void COutputWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tabs->resize(size());
}
