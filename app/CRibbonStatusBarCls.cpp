#include "app/CRibbonStatusBarCls.h"

#include "platform/AppTitle.h"
#include "platform/ProductLinks.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>

CRibbonStatusBarCls::CRibbonStatusBarCls(QWidget* parent)
    : QStatusBar(parent)
    , m_progress(new QProgressBar(this))
{
    setContextMenuPolicy(Qt::PreventContextMenu);
    setSizeGripEnabled(false);
    m_progress->setObjectName(QStringLiteral("progress324"));
    m_progress->setTextVisible(false);
    m_progress->setGeometry(QRect());

    auto* linkIcon = new QLabel(this);
    linkIcon->setPixmap(QPixmap(QStringLiteral(":/frame/status_link.png")));
    auto* link = new QLabel(this);
    link->setObjectName(QStringLiteral("makerLink"));
    link->setAccessibleName(QStringLiteral("Kavren Orlanda"));
    link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kMakerWebAddress()));
    link->setToolTip(QStringLiteral("Kavren Orlanda"));
    connect(link, &QLabel::linkActivated, this, &CRibbonStatusBarCls::linkActivated);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto* title = new QLabel(kAppTitle(), this);
    title->setObjectName(QStringLiteral("titlePane"));
    addWidget(linkIcon);
    addWidget(link);
    addWidget(separator);
    addPermanentWidget(title);
}

QRect CRibbonStatusBarCls::ProgressGeometry(int barWidth)
{
    return QRect(250, 3, barWidth - 560, 17);
}

void CRibbonStatusBarCls::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    m_progress->setGeometry(ProgressGeometry(event->size().width()));
    m_progress->raise();
    m_progress->update();
}
