#include "app/CRibbonBar.h"

#include "app/FrameCommands.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QTabBar>
#include <QToolButton>

namespace {

struct ButtonText {
    int commandId;
    const char* label;
    const char* tooltip;
    int image; // index in the ribbon image strips
};

constexpr ButtonText kButtons[] = {
    {kCmdOpen, "Open", "Open Mbox file", 0},
    {kCmdStop, "Stop", "Stop running process", 1},
    {kCmdSave, "Save", "Save recovered data", 2},
    {kCmdLoadSnapshot, "Load", "Load Snapshot", 6},
    {kCmdSaveSnapshot, "Save", "Save Snapshot", 7},
    {kCmdHelp, "Help", "Help for Orlanda", 8},
    {kCmdAbout, "About", "About Orlanda", 9},
};

QPixmap StripImage(const QString& strip, int size, int index)
{
    return QPixmap(strip).copy(index * size, 0, size, size);
}

const ButtonText& TextOf(int commandId)
{
    for (const ButtonText& text : kButtons) {
        if (text.commandId == commandId)
            return text;
    }
    return kButtons[0];
}

} // namespace

CRibbonBar::CRibbonBar(QWidget* parent)
    : QWidget(parent)
    , m_tabs(new QTabBar(this))
{
    setObjectName(QStringLiteral("ribbon"));
    setAutoFillBackground(true);
    auto* appButton = new QToolButton(this);
    appButton->setFixedSize(42, 42);
    appButton->setIcon(StripImage(QStringLiteral(":/frame/panel_312.png"), 16, 0));
    appButton->setIconSize(QSize(32, 32));
    appButton->setAutoRaise(true);
    m_tabs->addTab(QStringLiteral("Orlanda"));
    m_tabs->setDrawBase(false);

    auto* panels = new QHBoxLayout;
    panels->setContentsMargins(4, 2, 4, 2);
    panels->addWidget(MakePanel(QStringLiteral("Orlanda"), {kCmdOpen, kCmdStop, kCmdSave}));
    panels->addWidget(MakePanel(QStringLiteral("Save & Log Snapshot"), {kCmdLoadSnapshot, kCmdSaveSnapshot}));
    panels->addWidget(MakePanel(QStringLiteral("About Orlanda"), {kCmdHelp, kCmdAbout}));
    panels->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(0);
    grid->addWidget(appButton, 0, 0);
    grid->addWidget(m_tabs, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addLayout(panels, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QString CRibbonBar::CategoryTitle() const
{
    return m_tabs->tabText(0);
}

QWidget* CRibbonBar::MakePanel(const QString& title, const QList<int>& commandIds)
{
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setHorizontalSpacing(2);
    for (int column = 0; column < commandIds.size(); ++column)
        layout->addWidget(MakeButton(commandIds[column]), 0, column);
    auto* caption = new QHBoxLayout;
    auto* icon = new QLabel(panel);
    icon->setPixmap(StripImage(QStringLiteral(":/frame/panel_312.png"), 16, 1));
    caption->addStretch(1);
    caption->addWidget(icon);
    caption->addWidget(new QLabel(title, panel));
    caption->addStretch(1);
    layout->addLayout(caption, 1, 0, 1, static_cast<int>(commandIds.size()));
    return panel;
}

QToolButton* CRibbonBar::MakeButton(int commandId)
{
    const ButtonText& text = TextOf(commandId);
    QIcon icon(StripImage(QStringLiteral(":/frame/ribbon_large_310.png"), 32, text.image));
    icon.addPixmap(StripImage(QStringLiteral(":/frame/ribbon_small_314.png"), 16, text.image));
    auto* button = new QToolButton(this);
    button->setText(QString::fromUtf8(text.label));
    button->setToolTip(QString::fromUtf8(text.tooltip));
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(54);
    connect(button, &QToolButton::clicked, this, [this, commandId] { emit commandTriggered(commandId); });
    m_buttons.insert(commandId, button);
    return button;
}
