#include "ui/controls/CPreviewSchemeHandler.h"

#include "display/PreviewRenderer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <optional>

namespace {

std::optional<QByteArray> ReadPreviewFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > CPreviewSchemeHandler::kMaxFileBytes)
        return std::nullopt;
    return file.readAll();
}

// A page asks for a part of the previewed email by the file's URL with the query "part=" + its index.
// Absolute, so it does not depend on how the engine resolves references in this scheme.
constexpr char kPartKey[] = "part";

QByteArray PartUrlPrefix(const QUrl& fileUrl)
{
    QByteArray url = fileUrl.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toEncoded();
    // It goes into quoted attribute values of the mail's markup.
    url.replace('\'', "%27").replace('"', "%22");
    return url + "?" + kPartKey + "=";
}

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& contentType, const QByteArray& body)
{
    auto* buffer = new QBuffer(job); // freed with the job
    buffer->setData(body);
    job->reply(contentType, buffer);
}

} // namespace

CPreviewSchemeHandler::CPreviewSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

void CPreviewSchemeHandler::AllowFile(const QString& path)
{
    m_strAllowedPath = QFileInfo(path).absoluteFilePath();
}

void CPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QString path = job->requestUrl().path(QUrl::FullyDecoded);
    if (job->requestMethod() != "GET" || m_strAllowedPath.isEmpty() || path != m_strAllowedPath) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const std::optional<QByteArray> bytes = ReadPreviewFile(path);
    if (!bytes) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"html" || suffix == u"htm")
        ServeHtml(job, *bytes);
    else
        ServeMessage(job, *bytes);
}

void CPreviewSchemeHandler::ServeHtml(QWebEngineUrlRequestJob* job, const QByteArray& bytes)
{
    Reply(job, HtmlFileContentType(bytes), bytes);
}

// The ".mht" preview: the email's page, and its inline parts for the page's references to them.
void CPreviewSchemeHandler::ServeMessage(QWebEngineUrlRequestJob* job, const QByteArray& bytes)
{
    const PreviewRenderer renderer(bytes);
    const QUrlQuery query(job->requestUrl());
    if (!query.hasQueryItem(QLatin1String(kPartKey))) {
        const QByteArray prefix = PartUrlPrefix(job->requestUrl());
        Reply(job, PreviewRenderer::kPageContentType,
            renderer.PageHtml([&prefix](qsizetype index) { return prefix + QByteArray::number(index); }));
        return;
    }
    bool ok = false;
    const qlonglong index = query.queryItemValue(QLatin1String(kPartKey)).toLongLong(&ok);
    if (!ok || index < 0 || index >= static_cast<qlonglong>(renderer.Parts().size())) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const PreviewPart& part = renderer.Parts()[static_cast<size_t>(index)];
    Reply(job, part.contentType, part.bytes);
}
