#include "ui/export/CWebPdfPrinter.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <future>
#include <memory>
#include <mutex>

// Lets the page file itself and data: URIs through; the page has no other business on the network or disk.
class CPdfPageInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void Allow(const QUrl& url)
    {
        std::lock_guard lock(m_mutex);
        m_allowed = url;
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        std::lock_guard lock(m_mutex); // requests arrive on the engine's IO thread
        const QUrl url = info.requestUrl();
        info.block(url != m_allowed && url.scheme() != QLatin1String("data"));
    }

private:
    std::mutex m_mutex;
    QUrl m_allowed;
};

CWebPdfPrinter::CWebPdfPrinter(QObject* parent)
    : QObject(parent), m_pProfile(new QWebEngineProfile(this)), m_pInterceptor(new CPdfPageInterceptor(m_pProfile))
{
    m_pProfile->setUrlRequestInterceptor(m_pInterceptor);
    QWebEngineSettings* settings = m_pProfile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
}

CWebPdfPrinter::~CWebPdfPrinter() = default;

QByteArray CWebPdfPrinter::PrintToPdf(const QByteArray& html)
{
    // setHtml and setContent stop at 2 MB, so the page goes through a private file.
    QTemporaryDir folder;
    const QString pageFile = folder.filePath(QStringLiteral("page.html"));
    QFile file(pageFile);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
        return QByteArray();
    file.close();
    auto result = std::make_shared<std::promise<QByteArray>>();
    std::future<QByteArray> pdf = result->get_future();
    auto done = [result](QByteArray bytes) { result->set_value(std::move(bytes)); };
    if (QThread::currentThread() == thread()) {
        Print(pageFile, done);
        while (pdf.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } else {
        QMetaObject::invokeMethod(this, [this, pageFile, done] { Print(pageFile, done); }, Qt::QueuedConnection);
    }
    return pdf.get();
}

void CWebPdfPrinter::Print(const QString& pageFile, std::function<void(QByteArray)> done)
{
    const QUrl url = QUrl::fromLocalFile(pageFile);
    m_pInterceptor->Allow(url);
    auto* page = new QWebEnginePage(m_pProfile, this);
    connect(page, &QWebEnginePage::loadFinished, page, [page, done](bool ok) {
        if (!ok) {
            done(QByteArray());
            page->deleteLater();
            return;
        }
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15));
        page->printToPdf([page, done](const QByteArray& pdf) {
            done(pdf);
            page->deleteLater();
        }, layout);
    });
    page->load(url);
}
