#include "app/CMyCaptionBar.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QLabel>

CMyCaptionBar::CMyCaptionBar(QWidget* parent)
    : QFrame(parent)
    , m_text(new QLabel(QStringLiteral("This is a caption bar where a message can be presented to the user."), this))
{
    setObjectName(QStringLiteral("captionBar"));
    setFrameShape(QFrame::StyledPanel);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    QPixmap bitmap(QStringLiteral(":/frame/caption_230.png"));
    if (!bitmap.isNull())
        bitmap.setMask(bitmap.createMaskFromColor(Qt::white));
    auto* icon = new QLabel(this);
    icon->setPixmap(bitmap);
    m_text->setTextFormat(Qt::PlainText); // texts may carry file names
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(icon);
    layout->addWidget(m_text, 1);
}

void CMyCaptionBar::SetText(const QString& text)
{
    m_text->setText(text);
    repaint();
}

QString CMyCaptionBar::Text() const
{
    return m_text->text();
}
