#include "UiTestMain.h"
#include "ui/controls/CTeldoraToolsWebBrowser.h"
#include "ui/controls/PreviewScheme.h"
#include "PixelChecks.h"
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>

namespace {

constexpr int kLoadTimeoutMs = 30000;

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray Utf16LeWithBom(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

// Waits for the page to finish and returns whether it loaded.
bool LoadResult(QSignalSpy& finished)
{
    if (finished.isEmpty() && !finished.wait(kLoadTimeoutMs))
        return false;
    return finished.takeFirst().at(0).toBool();
}

// A browser on screen whose page loads can be waited for.
struct ShownBrowser {
    ShownBrowser()
    {
        browser.resize(300, 200);
        browser.show();
    }
    // Navigates to a preview file and waits until the page finished; false when it did not load.
    bool Load(const QString& file)
    {
        browser.Navigate(file);
        return LoadResult(finished);
    }

    CTeldoraToolsWebBrowser browser;
    QSignalSpy finished{&browser, &QWebEngineView::loadFinished};
};

} // namespace

class PreviewBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void servesUtf16BlankPage()
    {
        QTemporaryDir dir;
        const QString page = WriteFile(dir, "Tmp1.html",
                                       Utf16LeWithBom("<html><head><title>Blänk Ωmega</title></head><body></body></html>"));
        QVERIFY(!page.isEmpty());
        ShownBrowser view;
        CTeldoraToolsWebBrowser& browser = view.browser;
        QVERIFY(view.Load(page));
        QTRY_COMPARE_WITH_TIMEOUT(browser.title(), QStringLiteral("Blänk Ωmega"), kLoadTimeoutMs);
        QCOMPARE(browser.url(), PreviewUrl(page));
    }

    void rendersEmailWithItsInlineImage()
    {
        QImage dot(8, 8, QImage::Format_RGB32);
        dot.fill(qRgb(255, 0, 255));
        QByteArray png;
        QBuffer pngBuffer(&png);
        QVERIFY(pngBuffer.open(QIODevice::WriteOnly) && dot.save(&pngBuffer, "PNG"));
        QTemporaryDir dir;
        // LF line ends, a Latin-1 HTML alternative after the plain one, the image by Content-ID.
        const QString mail = WriteFile(dir, "Tmp2.mht",
            "From: a@x\nSubject: s\nMIME-Version: 1.0\nContent-Type: multipart/related; boundary=r\n\n"
            "--r\nContent-Type: multipart/alternative; boundary=a\n\n"
            "--a\nContent-Type: text/plain\n\nplain\n"
            "--a\nContent-Type: text/html; charset=ISO-8859-1\n\n<html><head><title>Gr\xFC\xDF" "e</title></head>"
            "<body style='margin:0'><img src=\"cid:dot@x\" width=100 height=100></body></html>\n--a--\n"
            "--r\nContent-Type: image/png\nContent-ID: <dot@x>\nContent-Transfer-Encoding: base64\n\n"
                + png.toBase64() + "\n--r--\n");
        ShownBrowser view;
        CTeldoraToolsWebBrowser& browser = view.browser;
        QVERIFY(view.Load(mail));
        QTRY_COMPARE_WITH_TIMEOUT(browser.title(), QStringLiteral("Grüße"), kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(CountMagenta(browser.grab().toImage()) > 50 * 50, kLoadTimeoutMs);
    }

    void refusesOtherFilesAndRemoteRequests()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        int connections = 0;
        connect(&server, &QTcpServer::newConnection, this, [&] { ++connections; });
        const QString remote = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());

        QTemporaryDir dir;
        const QString page = WriteFile(dir, "mail.html",
                                       ("<html><head><title>mail</title><link rel=stylesheet href='" + remote
                                        + "s.css'></head><body><img src='" + remote + "pixel.png'></body></html>")
                                           .toUtf8());
        const QString other = WriteFile(dir, "other.html", "<html><title>other</title></html>");
        ShownBrowser view;
        CTeldoraToolsWebBrowser& browser = view.browser;
        QSignalSpy& finished = view.finished;
        QVERIFY(view.Load(page));
        QTRY_COMPARE_WITH_TIMEOUT(browser.title(), QStringLiteral("mail"), kLoadTimeoutMs);

        browser.setUrl(QUrl(remote));
        QVERIFY(!LoadResult(finished));
        browser.setUrl(PreviewUrl(other)); // not the file the browser was told to show
        QVERIFY(!LoadResult(finished));
        QTest::qWait(300);
        QCOMPARE(connections, 0);
    }
};

ORLANDA_UI_TEST_MAIN(PreviewBrowserTest)
#include "PreviewBrowserTest.moc"
