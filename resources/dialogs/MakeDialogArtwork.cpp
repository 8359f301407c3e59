// Draws the Select File dialog's pictures into the folder given on the command line (all 16 x 16):
//   add_337.png  search_323.png  remove_335.png  stop_319.png  ok_321.png  cancel_322.png  button images
//   file_339.png  the file list's row picture, on magenta, which the dialog makes see-through
// Build and run:
//   c++ -std=c++20 -fPIC MakeDialogArtwork.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make-dialog-artwork
//   /tmp/make-dialog-artwork resources/dialogs
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(0x2b, 0x3a, 0x55);
const QColor kPaper(0xfb, 0xfb, 0xf4);
const QColor kGreen(0x2e, 0x9a, 0x5a);
const QColor kRed(0xc8, 0x32, 0x32);
const QColor kBlue(0x3f, 0x7f, 0xcf);

using Drawing = std::function<void(QPainter&)>;

bool Save(const QString& folder, const QString& name, QColor background, const Drawing& draw)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    // The magenta picture is masked by exact colour, so its edges must not blend into the background.
    painter.setRenderHint(QPainter::Antialiasing, background.alpha() == 0);
    draw(painter);
    painter.end();
    return image.save(QDir(folder).filePath(name));
}

void Sheet(QPainter& p)
{
    QPainterPath outline;
    outline.moveTo(3.5, 1.5);
    outline.lineTo(9.5, 1.5);
    outline.lineTo(12.5, 4.5);
    outline.lineTo(12.5, 14.5);
    outline.lineTo(3.5, 14.5);
    outline.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(outline);
    p.drawLine(QPointF(5.5, 7.5), QPointF(10.5, 7.5));
    p.drawLine(QPointF(5.5, 10.5), QPointF(10.5, 10.5));
}

void Plus(QPainter& p, QColor colour)
{
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 7.5), QPointF(12, 15.5));
    p.drawLine(QPointF(8, 11.5), QPointF(16, 11.5));
}

void Minus(QPainter& p)
{
    p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 11.5), QPointF(16, 11.5));
}

void Lens(QPainter& p)
{
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(0xd8, 0xe8, 0xfa));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(kInk, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void StopSign(QPainter& p)
{
    p.setPen(QPen(kRed.darker(130), 1));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.fillRect(QRectF(4.5, 6.8, 7, 2.4), Qt::white);
}

void Tick(QPainter& p)
{
    p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    p.drawPath(tick);
}

void Cross(QPainter& p)
{
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void MailFile(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(1, 3, 13, 9);
    p.drawLine(1, 3, 7, 8);
    p.drawLine(14, 3, 8, 8);
    p.fillRect(10, 10, 5, 5, kBlue);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QColor clear(Qt::transparent);
    const bool saved = Save(folder, "add_337.png", clear, [](QPainter& p) { Sheet(p); Plus(p, kGreen); })
        && Save(folder, "search_323.png", clear, Lens)
        && Save(folder, "remove_335.png", clear, [](QPainter& p) { Sheet(p); Minus(p); })
        && Save(folder, "stop_319.png", clear, StopSign)
        && Save(folder, "ok_321.png", clear, Tick)
        && Save(folder, "cancel_322.png", clear, Cross)
        && Save(folder, "file_339.png", Qt::magenta, MailFile);
    if (!saved) {
        std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
