// Email list: appending rows in batches (row building included, one repaint at the end) and scrolling
// through them, for a small and a large list.
// Prints times and the ratio of the per-step scroll cost (large / small), which should stay near 1.
// Run: QT_QPA_PLATFORM=offscreen orlanda_email_list_bench [rows]
#include "ui/controls/CTeldoraToolsTopListCtrl.h"
#include "ui/panes/CTeldoraNimbrelProjView.h"
#include "ui/controls/PreviewScheme.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <cstdio>

namespace {

constexpr int kBatch = 1000;
constexpr int kScrollSteps = 200;

long ResidentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

struct Result {
    double appendMs;
    double scrollMsPerStep;
    long rssKiB;
};

Result Run(int rows)
{
    CTeldoraNimbrelProjView view;
    view.resize(1200, 700);
    view.show();
    CTeldoraToolsTopListCtrl* list = view.GetEmailList();
    const long rssBefore = ResidentKiB();
    QElapsedTimer timer;
    timer.start();
    std::vector<EmailRow> batch(kBatch);
    for (int first = 0; first < rows; first += kBatch) {
        for (int i = 0; i < kBatch; ++i) {
            EmailRow& row = batch[static_cast<size_t>(i)];
            row.strName = QString::number(first + i);
            row.strTo = QStringLiteral("someone%1@example.org").arg(i);
            row.strFrom = QStringLiteral("sender%1@example.org").arg(first);
            row.strSubject = QStringLiteral("Subject line of message %1").arg(first + i);
            row.strDate = QStringLiteral("Mon, 1 Jan 2024 10:00:00 +0000");
            row.bHasAttachment = i % 3 == 0;
            row.nItemData = first + i;
        }
        list->AppendRows(batch);
    }
    QCoreApplication::processEvents();
    const double appendMs = timer.nsecsElapsed() / 1e6;

    QScrollBar* bar = list->verticalScrollBar();
    timer.restart();
    for (int step = 0; step < kScrollSteps; ++step) {
        bar->setValue(static_cast<int>(static_cast<qint64>(bar->maximum()) * step / kScrollSteps));
        list->viewport()->repaint();
    }
    const double scrollMs = timer.nsecsElapsed() / 1e6 / kScrollSteps;
    return {appendMs, scrollMs, ResidentKiB() - rssBefore};
}

} // namespace

int main(int argc, char** argv)
{
    RegisterPreviewScheme();
    QApplication app(argc, argv);
    const int large = argc > 1 ? std::max(kBatch, atoi(argv[1])) : 1000000;
    const int small = 10000;
    const Result a = Run(small);
    const Result b = Run(large);
    std::printf("rows %d: append %.1f ms, scroll %.3f ms/step, rss +%ld KiB\n", small, a.appendMs, a.scrollMsPerStep, a.rssKiB);
    std::printf("rows %d: append %.1f ms (%.2f us/row), scroll %.3f ms/step, rss +%ld KiB (%.0f B/row)\n", large,
                b.appendMs, b.appendMs * 1000 / large, b.scrollMsPerStep, b.rssKiB, b.rssKiB * 1024.0 / large);
    std::printf("scroll cost ratio large/small: %.2f\n", b.scrollMsPerStep / a.scrollMsPerStep);
    return 0;
}
