#include "ui/panes/CSplashWnd.h"

#include <QBitmap>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_font(QFontDatabase::systemFont(QFontDatabase::GeneralFont))
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_font.setPixelSize(25);
    resize(0, 0);
}

QRegion CSplashWnd::ShapeOf(const QPixmap& picture)
{
    return QRegion(picture.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
}

bool CSplashWnd::SetBitmap(const QString& path)
{
    if (!m_picture.load(path))
        return false;
    setFixedSize(m_picture.size());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    setMask(ShapeOf(m_picture));
    return true;
}

void CSplashWnd::SetText(const QString& text)
{
    m_strText = text;
    repaint();
}

void CSplashWnd::Show()
{
    setWindowOpacity(0.0);
    show();
    Fade(0.0, 1.0, kFadeInMs, {});
    QTimer::singleShot(kDisplayMs, this, &CSplashWnd::Disappear);
}

void CSplashWnd::Disappear()
{
    Fade(1.0, 0.0, kFadeOutMs, [this] { close(); });
}

void CSplashWnd::Fade(double from, double to, int ms, const std::function<void()>& done)
{
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setStartValue(from);
    fade->setEndValue(to);
    fade->setDuration(ms);
    if (done)
        connect(fade, &QPropertyAnimation::finished, this, done);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_strText);
}
