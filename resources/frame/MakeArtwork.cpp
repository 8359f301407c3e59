// Draws the frame's artwork into the folder given on the command line:
//   ribbon_large_310.png  32 x 32 ribbon images, a strip of ten (index = image number of the ribbon button)
//   ribbon_small_314.png  16 x 16 ribbon images, the same strip
//   panel_312.png         16 x 16 panel images: 0 the application button, 1 the panel icon
//   caption_230.png       the caption bar's bitmap, white where it is see-through
//   splash_343.png        750 x 410 splash picture, magenta outside its shape
//   banner_316.png        395 x 85 About banner
//   status_link.png       16 x 16 status-bar link icon
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

const QColor kNavy(0x1d, 0x3f, 0x72);
const QColor kSky(0x4f, 0x8f, 0xd8);
const QColor kAmber(0xf2, 0xa9, 0x2c);
const QColor kRed(0xc8, 0x32, 0x32);
const QColor kGreen(0x2e, 0x9a, 0x5a);

using Glyph = std::function<void(QPainter&)>; // draws into a 32 x 32 box

QImage Blank(int w, int h, QColor fill = Qt::transparent)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void Envelope(QPainter& p, QRectF r, QColor body)
{
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(body);
    p.drawRoundedRect(r, 2, 2);
    QPainterPath flap;
    flap.moveTo(r.topLeft());
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.6);
    flap.lineTo(r.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void Disk(QPainter& p, QColor body)
{
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(kNavy);
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setBrush(QColor(0xe8, 0xee, 0xf6));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void Letter(QPainter& p, QColor disc, const QString& text)
{
    QRadialGradient g(QPointF(13, 11), 18);
    g.setColorAt(0, disc.lighter(150));
    g.setColorAt(1, disc);
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font("DejaVu Sans");
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, text);
}

void Arrow(QPainter& p, bool down, QColor colour)
{
    QPainterPath a;
    const double y0 = down ? 2 : 17, y1 = down ? 13 : 6, tip = down ? 18 : 1;
    a.moveTo(20, y0);
    a.lineTo(26, y0);
    a.lineTo(26, y1);
    a.lineTo(30, y1);
    a.lineTo(23, tip);
    a.lineTo(16, y1);
    a.lineTo(20, y1);
    a.closeSubpath();
    p.setPen(QPen(kNavy, 1));
    p.setBrush(colour);
    p.drawPath(a);
}

// Ribbon images by index: 0 Open, 1 Stop, 2 Save, 3-5 spare, 6 Load snapshot, 7 Save snapshot, 8 Help, 9 About.
std::vector<Glyph> RibbonGlyphs()
{
    return {
        [](QPainter& p) { // Open: a folder with a letter
            p.setPen(QPen(kNavy, 1.5));
            p.setBrush(kAmber.darker(110));
            p.drawRoundedRect(QRectF(2, 7, 28, 21), 2, 2);
            Envelope(p, QRectF(9, 4, 16, 11), Qt::white);
            p.setBrush(kAmber);
            p.drawRoundedRect(QRectF(2, 12, 28, 16), 2, 2);
        },
        [](QPainter& p) { // Stop: an octagon
            QPolygonF octagon;
            for (int i = 0; i < 8; ++i) {
                const double a = (22.5 + 45.0 * i) * M_PI / 180.0;
                octagon << QPointF(16 + 13.5 * std::cos(a), 16 + 13.5 * std::sin(a));
            }
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(kRed);
            p.drawPolygon(octagon);
            p.setBrush(Qt::white);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(9, 14, 14, 4));
        },
        [](QPainter& p) { Disk(p, kSky); },
        [](QPainter&) {},
        [](QPainter&) {},
        [](QPainter&) {},
        [](QPainter& p) { // Load snapshot: a stack of letters and an arrow out
            Envelope(p, QRectF(2, 13, 20, 14), QColor(0xe8, 0xee, 0xf6));
            Envelope(p, QRectF(5, 16, 20, 14), Qt::white);
            Arrow(p, false, kGreen);
        },
        [](QPainter& p) { // Save snapshot: a stack of letters and an arrow in
            Envelope(p, QRectF(2, 13, 20, 14), QColor(0xe8, 0xee, 0xf6));
            Envelope(p, QRectF(5, 16, 20, 14), Qt::white);
            Arrow(p, true, kSky);
        },
        [](QPainter& p) { Letter(p, kGreen, QStringLiteral("?")); },
        [](QPainter& p) { Letter(p, kSky, QStringLiteral("i")); },
    };
}

// Draws each glyph (made for 32 x 32) scaled into a strip of size x size cells.
QImage Strip(const std::vector<Glyph>& glyphs, int size)
{
    QImage image = Blank(size * static_cast<int>(glyphs.size()), size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        p.save();
        p.translate(static_cast<double>(size) * static_cast<double>(i), 0);
        p.scale(size / 32.0, size / 32.0);
        glyphs[i](p);
        p.restore();
    }
    return image;
}

void Logo(QPainter& p)
{
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, kSky);
    g.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    Envelope(p, QRectF(6, 9, 20, 14), Qt::white);
}

QImage Caption()
{
    QImage image = Blank(20, 20, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(20 / 32.0, 20 / 32.0);
    Letter(p, kAmber, QStringLiteral("i"));
    return image;
}

QImage Splash()
{
    QImage image = Blank(750, 410, QColor(255, 0, 255));
    QPainter p(&image);
    // Hard edges: anti-aliased pixels would blend with the magenta and fringe the window's outline.
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, 750, 410), 36, 36);
    QLinearGradient g(0, 0, 0, 410);
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xfd));
    g.setColorAt(1, QColor(0xc9, 0xdc, 0xf2));
    p.fillPath(card, g);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(36, 0, 678, 8), kNavy);
    p.save();
    p.translate(60, 60);
    p.scale(3, 3);
    Logo(p);
    p.restore();
    QFont title("DejaVu Sans");
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kNavy);
    p.drawText(QRectF(180, 60, 540, 64), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kavren Orlanda"));
    QFont line("DejaVu Sans");
    line.setPixelSize(20);
    p.setFont(line);
    p.setPen(kNavy.lighter(140));
    p.drawText(QRectF(182, 124, 540, 30), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Looks into mbox files and .imm containers"));
    // The version text is drawn over the middle at run time; keep a calm band there.
    p.setPen(QPen(kSky, 2));
    p.drawLine(QPointF(60, 240), QPointF(690, 240));
    p.setFont(line);
    p.setPen(kNavy.lighter(160));
    p.drawText(QRectF(0, 330, 750, 40), Qt::AlignCenter, QStringLiteral("Starting…"));
    return image;
}

QImage Banner()
{
    QImage image = Blank(395, 85);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 395, 0);
    g.setColorAt(0, kNavy);
    g.setColorAt(1, kSky);
    p.fillRect(image.rect(), g);
    p.save();
    p.translate(14, 14);
    p.scale(57 / 32.0, 57 / 32.0);
    Logo(p);
    p.restore();
    QFont title("DejaVu Sans");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(86, 12, 300, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kavren Orlanda"));
    QFont line("DejaVu Sans");
    line.setPixelSize(14);
    p.setFont(line);
    p.drawText(QRectF(88, 50, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mail archive viewer"));
    return image;
}

QImage StatusLink()
{
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavy, 1.2));
    p.setBrush(kSky.lighter(130));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // drawing needs no display
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<Glyph> panel = {[](QPainter& p) { Logo(p); },
        [](QPainter& p) { Envelope(p, QRectF(3, 7, 26, 18), Qt::white); }};
    const std::pair<const char*, QImage> images[] = {
        {"ribbon_large_310.png", Strip(RibbonGlyphs(), 32)},
        {"ribbon_small_314.png", Strip(RibbonGlyphs(), 16)},
        {"panel_312.png", Strip(panel, 16)},
        {"caption_230.png", Caption()},
        {"splash_343.png", Splash()},
        {"banner_316.png", Banner()},
        {"status_link.png", StatusLink()},
    };
    for (const auto& [name, image] : images) {
        if (!image.save(out.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
