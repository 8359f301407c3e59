#include "app/VisualStyle.h"

#include "platform/SettingsStore.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct StyleColours {
    int id;
    QRgb window;    // frame, ribbon and bars
    QRgb button;
    QRgb base;      // lists and text fields
    QRgb text;
    QRgb highlight; // selection
    QRgb tip;       // caption bar
};

constexpr StyleColours kStyles[] = {
    {210, 0xd4d0c8, 0xd4d0c8, 0xffffff, 0x000000, 0x0a246a, 0xffffe1}, // Windows 2000
    {211, 0xf9f8f7, 0xe6e4e0, 0xffffff, 0x000000, 0x316ac5, 0xffffe1}, // Office XP
    {212, 0xece9d8, 0xf1efe2, 0xffffff, 0x000000, 0x316ac5, 0xffffe1}, // Windows XP
    {213, 0xc3daf9, 0xdde9fb, 0xffffff, 0x000000, 0x3169c6, 0xfff4cc}, // Office 2003
    {214, 0xeeede5, 0xe4e2d5, 0xffffff, 0x000000, 0x3399ff, 0xffffe1}, // Visual Studio 2005
    {215, 0xbfdbff, 0xdbe7f8, 0xffffff, 0x15428b, 0x4f8fd8, 0xfff7d6}, // Office 2007 blue
    {216, 0x535353, 0x6a6a6a, 0x2f2f2f, 0xf0f0f0, 0xe39a2b, 0x444444}, // Office 2007 black
    {217, 0xd0d4dd, 0xe3e6ec, 0xffffff, 0x20304a, 0x8795ad, 0xf7f7f7}, // Office 2007 silver
    {218, 0xc4d3dd, 0xdde7ee, 0xffffff, 0x1e395b, 0x62a0c6, 0xf2f8fb}, // Office 2007 aqua
};

const StyleColours& ColoursOf(int id)
{
    for (const StyleColours& style : kStyles) {
        if (style.id == id)
            return style;
    }
    return ColoursOf(kDefaultApplicationLook);
}

} // namespace

QPalette VisualStylePalette(int id)
{
    const StyleColours& c = ColoursOf(id);
    QPalette palette(QColor(c.button), QColor(c.window));
    palette.setColor(QPalette::Base, QColor(c.base));
    palette.setColor(QPalette::AlternateBase, QColor(c.base).darker(104));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColor(c.text));
    palette.setColor(QPalette::Highlight, QColor(c.highlight));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(c.tip));
    palette.setColor(QPalette::ToolTipText, QColor(c.text));
    palette.setColor(QPalette::Link, QColor(c.highlight).darker(130));
    return palette;
}

void ApplyVisualStyle(int id)
{
    if (QApplication::style()->name() != QStringLiteral("fusion"))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(VisualStylePalette(id));
}
