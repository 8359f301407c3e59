#include "ui/dialogs/CTeldoraAboutDlg.h"

#include "platform/AppTitle.h"
#include "platform/ProductLinks.h"
#include "platform/UserPrompts.h"
#include "ui/dialogs/CDialogUnits.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr QSize kBannerSize(395, 85);

QFont TitleFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(15);
    font.setWeight(QFont::DemiBold);
    return font;
}

bool IsSwallowedKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

CTeldoraAboutDlg::CTeldoraAboutDlg(IUserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(kAppTitle());
    const CDialogUnits units(font());
    const QSize size = units.Size(263, 166);
    setFixedSize(std::max(size.width(), kBannerSize.width()), size.height());

    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap(QStringLiteral(":/frame/banner_316.png")));
    banner->setGeometry(QRect(QPoint(0, 0), kBannerSize));
    const QFont titleFont = TitleFont();
    AddText(kAppTitle(), units.Rect(29, 65, 221, 12), titleFont)->setObjectName(QStringLiteral("title1027"));
    AddLink(kMakerWebAddress(), kMakerWebAddress(), QStringLiteral("Company website"), units.Rect(81, 81, 0, 0).topLeft());
    AddLink(kSupportEmailAddress(), QStringLiteral("mailto:") + kSupportEmailAddress(),
        QStringLiteral("Support email address"), units.Rect(81, 91, 0, 0).topLeft());
    AddLink(kSalesEmailAddress(), QStringLiteral("mailto:") + kSalesEmailAddress(), QStringLiteral("Sales email address"),
        units.Rect(81, 103, 0, 0).topLeft());
    AddText(NoticeText(), units.Rect(25, 121, 233, 15), titleFont)->setObjectName(QStringLiteral("notice1026"));
    AddText(QString(60, QLatin1Char('_')), units.Rect(21, 132, 223, 14), font());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(units.Rect(109, 146, 50, 16));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

QString CTeldoraAboutDlg::NoticeText()
{
    return QStringLiteral("Reads your mail, never changes it.");
}

QLabel* CTeldoraAboutDlg::AddText(const QString& text, const QRect& where, const QFont& font)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(where);
    return label;
}

QLabel* CTeldoraAboutDlg::AddLink(const QString& text, const QString& url, const QString& tooltip, QPoint at)
{
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text.toHtmlEscaped()), this);
    link->setToolTip(tooltip);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this](const QString& target) { m_prompts.OpenUrl(target); });
    link->move(at);
    link->adjustSize();
    return link;
}

bool CTeldoraAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (IsSwallowedKey(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CTeldoraAboutDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QDialog::mousePressEvent(event);
    // Prefer the window manager's own move; where it has none, follow the mouse.
    m_bDragging = !(windowHandle() && windowHandle()->startSystemMove());
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CTeldoraAboutDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}
